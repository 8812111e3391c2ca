#pragma once

class InstrumentSession;
class Output;

// The four-byte echo test of the connect window, step by step on the
// terminal: each step's text, the byte sent and the byte that came back, and
// the step's failure message when it did not pass. Only the fourth echo
// decides, as in the program. Returns the exit status: 0 when the fourth byte
// came back unchanged, 1 otherwise.
int runEchoTest(InstrumentSession &session, Output &out);
