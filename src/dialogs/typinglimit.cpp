#include "dialogs/typinglimit.h"

#include <QLineEdit>
#include <algorithm>

void limitTyping(QLineEdit *box, int limit)
{
    const auto fit = [box, limit] {
        const int maxLength = std::max(limit, int(box->text().size()));
        if (box->maxLength() == maxLength)
            return;
        // A new maxLength makes QLineEdit set its text again, which would
        // throw the cursor to the end in the middle of the user's editing.
        const int cursor = box->cursorPosition();
        box->setMaxLength(maxLength);
        box->setCursorPosition(cursor);
    };
    fit();
    QObject::connect(box, &QLineEdit::textChanged, box, fit);
}
