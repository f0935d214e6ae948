#include "frmwarning.h"

#include "controls.h"
#include "twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QColor &color,
                  const QRect &place)
{
    auto *label = captionLabel(parent, name, text);
    setTextColor(label, color);
    label->setGeometry(place);
    return label;
}

} // namespace

frmWarning::frmWarning(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmWarning"));
    setWindowTitle(tr("Warning!"));
    setModal(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    const QColor darkRed(192, 0, 0);
    Label1 = makeLabel(this, "Label1", tr("! Warning !"), Qt::red,
                       Twips::toPixels(256, -150, 4155, 1020));
    Label1->setFont(namedFont(QStringLiteral("Arial Black"), 36, QFont::Black));

    Label2 = makeLabel(this, "Label2",
                       tr("The dimensions for the picture are too big.  If you leave them at the "
                          "current settings, they may not appear correctly."),
                       darkRed, Twips::toPixels(23, 795, 4635, 1200));
    Label2->setFont(namedFont(QStringLiteral("Times New Roman"), 11.25, QFont::Bold));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);

    Label3 = makeLabel(this, "Label3", tr("Maximium Dimensions:   256 x 128"), darkRed,
                       Twips::toPixels(953, 1755, 2775, 225));
    Label3->setFont(namedFont(QStringLiteral("Times New Roman"), 9, QFont::Bold));

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::toPixels(1621, 2100, 1425, 435));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Label4 = makeLabel(this, "Label4", tr("Note:  Dimentions MUST be even integers"), Qt::white,
                       Twips::toPixels(30, 2700, 3735, 225));

    setFixedSize(Twips::toPixels(4680), Twips::toPixels(3060));
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frmWarning::keyPressEvent(QKeyEvent *event)
{
    // OK is the only button and it is not a cancel button: Escape does nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
