#include "frmpreview.h"

#include "imagebox.h"
#include "twips.h"

#include <QCloseEvent>
#include <QWindow>

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
    connect(imgPrev, &ImageBox::doubleClicked, this, &frmPreview::pictureDoubleClicked);
}

void frmPreview::showPicture(const QImage &picture)
{
    show();
    raise();
    activateWindow();
    setPicture(picture);
}

void frmPreview::setPicture(const QImage &picture)
{
    imgPrev->setImage(picture);
    fitFrame();
}

void frmPreview::placeFrameAt(const QPoint &corner)
{
    move(corner);
    m_corner = corner;
}

void frmPreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    windowHandle()->installEventFilter(this);
}

bool frmPreview::eventFilter(QObject *watched, QEvent *event)
{
    // A window manager's frame is known only once the window is on the
    // screen: then the frame goes to the corner, and the window takes the
    // size that frame leaves for the picture.
    if (watched == windowHandle() && event->type() == QEvent::Expose
        && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        if (m_corner) {
            const QMargins frame = windowHandle()->frameMargins();
            windowHandle()->setPosition(*m_corner + QPoint(frame.left(), frame.top()));
        }
        m_corner.reset();
        fitFrame();
    }
    return QWidget::eventFilter(watched, event);
}

void frmPreview::fitFrame()
{
    if (!isVisible())
        return;
    // The outer frame is the picture box plus 100 x 350 twips for border and
    // title bar; where the real frame is thicker, the client area still holds
    // the whole box.
    const QSize outer = imgPrev->size() + QSize(Twips::toPixels(100), Twips::toPixels(350));
    // Asked of the window itself: the widget's own copy of the frame is
    // brought up to date only when the window next moves.
    const QMargins margins = windowHandle()->frameMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize needed(imgPrev->geometry().right() + 1, imgPrev->geometry().bottom() + 1);
    const QSize client = (outer - frame).expandedTo(needed);
    if (client != size())
        resize(client);
}

void frmPreview::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closing();
}
