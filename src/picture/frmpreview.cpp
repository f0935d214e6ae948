#include "frmpreview.h"

#include "imagebox.h"
#include "twips.h"

#include <QCloseEvent>

frmPreview::frmPreview(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Picture Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    setAutoFillBackground(true);

    imgPrev = new ImageBox(this);
    imgPrev->setObjectName(QStringLiteral("imgPrev"));
    imgPrev->setAccessibleName(tr("Full Size Picture"));
    imgPrev->setStretch(false);
    imgPrev->setBorder(true);
    imgPrev->move(0, Twips::toPixels(-15));
}

void frmPreview::showPicture(const QImage &picture)
{
    imgPrev->setImage(picture);
    show();
    raise();
    activateWindow();

    // The outer frame is the picture box plus 100 x 350 twips for border and
    // title bar; where the real frame is thicker, the client area still holds
    // the whole box.
    const QSize outer = imgPrev->size() + QSize(Twips::toPixels(100), Twips::toPixels(350));
    const QSize frame = frameGeometry().size() - size();
    const QSize needed(imgPrev->geometry().right() + 1, imgPrev->geometry().bottom() + 1);
    resize((outer - frame).expandedTo(needed));
}

void frmPreview::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closing();
}
