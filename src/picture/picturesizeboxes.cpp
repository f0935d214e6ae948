#include "picturesizeboxes.h"

#include "clickablelabel.h"
#include "controls.h"
#include "frmwarning.h"
#include "numbertest.h"
#include "prompter.h"
#include "stripspaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr double warnFromWidth = 257.0;
constexpr double warnFromHeight = 129.0;

// A small warning-sign pointer for lblWarning: a black-edged yellow triangle
// with an exclamation mark, hot spot at the tip.
QCursor warningCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF triangle[3] = { { 1, 30 }, { 16, 2 }, { 31, 30 } };
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(255, 220, 0));
    painter.drawPolygon(triangle, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(14.5, 11, 3, 11));
    painter.drawRect(QRectF(14.5, 24, 3, 3));
    painter.end();
    return QCursor(pixmap, 16, 2);
}

} // namespace

PictureSizeBoxes::PictureSizeBoxes(const Controls &c, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_width { c.txtPicWidth, c.lblPicWidth, c.txtPicWidth->maxLength() }
    , m_height { c.txtPicHeight, c.lblPicHeight, c.txtPicHeight->maxLength() }
    , m_lblWarning(c.lblWarning)
    , m_prompter(prompter)
{
    connect(c.txtPicWidth, &QLineEdit::textChanged, this, [this] { boxChanged(m_width); });
    connect(c.txtPicHeight, &QLineEdit::textChanged, this, [this] { boxChanged(m_height); });
    c.lblWarning->setCursor(warningCursor());
    if (auto *clickable = qobject_cast<ClickableLabel *>(c.lblWarning))
        connect(clickable, &ClickableLabel::clicked, this, &PictureSizeBoxes::showWarningWindow);
}

void PictureSizeBoxes::boxChanged(Box &box)
{
    // Each setText below that changes the text runs this handler again, nested,
    // before it returns; the steps after it see the text the nested run left.
    QLineEdit *edit = box.edit;
    edit->setText(StripSpaces(edit->text()));
    edit->setCursorPosition(int(edit->text().size()));
    const qsizetype kept = edit->text().size() - 1;

    if (!edit->text().isEmpty() && !isValidNumber(edit->text())) {
        m_prompter.message(tr("Must Be Numbers"), tr("Error"), Prompter::Icon::Critical);
        edit->setText(edit->text().left(kept));
    }

    box.label->setText(edit->text());
    if (edit->maxLength() > box.typingLimit && edit->text().size() <= box.typingLimit)
        edit->setMaxLength(box.typingLimit);
    updateWarning();
}

void PictureSizeBoxes::updateWarning()
{
    const double width = numericValue(m_width.edit->text());
    const double height = numericValue(m_height.edit->text());
    m_lblWarning->setVisible(width >= warnFromWidth || height >= warnFromHeight);
}

void PictureSizeBoxes::showWarningWindow()
{
    if (!m_warning || !m_warning->isVisible()) {
        m_warning = new frmWarning(m_lblWarning->window());
        connect(m_warning, &QDialog::finished, m_warning, &QObject::deleteLater);
    }
    m_warning->show();
    m_warning->raise();
    m_warning->activateWindow();
}

void setSizeBoxText(QLineEdit *box, const QString &text)
{
    if (text.size() > box->maxLength())
        box->setMaxLength(int(text.size()));
    setLineText(box, text);
}

frmWarning *PictureSizeBoxes::warningWindow() const
{
    return m_warning;
}
