#pragma once

class Prompter;
class QPlainTextEdit;

// "Add Linebreak" and "Insert Marker": both append at the very end of the box,
// whatever the caret or selection, then leave the caret at the end with
// nothing selected and the focus in the box.
void appendLineBreak(QPlainTextEdit *box);
void insertMarker(QPlainTextEdit *box, Prompter &prompter);
