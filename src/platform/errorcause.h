#pragma once

#include <QString>

// Why a file or device operation failed, said in the program's language:
// the C library's texts are English whatever language the windows speak,
// so the causes a person at a bench meets have texts of our own. A cause
// the table does not know falls back to the C library's text.
QString errorCause(int error);
