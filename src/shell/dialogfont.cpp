#include "dialogfont.h"

#include "frmmain.h"

#include <QApplication>
#include <QFont>

void useDialogFont()
{
    frmMain::registerFontSubstitutes();
    // The layouts were drawn for the classic dialog font, whose 8 points are
    // about as wide as 7.5 points of its substitutes.
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPointSizeF(7.5);
    QApplication::setFont(dialogFont);
}
