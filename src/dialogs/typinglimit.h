#pragma once

class QLineEdit;

// A limit on what the user types into an edit box, not on what it can hold:
// a longer text put there by the program (a hand-edited setting) shows in
// full. Typing and pasting never make the text longer than the limit, or
// longer than it already is; deleting always works. A QLineEdit's own
// maxLength would cut such a text off as soon as it is set.
void limitTyping(QLineEdit *box, int limit);
