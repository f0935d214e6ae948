#include "imagebox.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget *parent)
    : QWidget(parent)
{
}

void ImageBox::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void ImageBox::setBorder(bool border)
{
    m_border = border;
    update();
}

void ImageBox::setImage(const QImage &image)
{
    m_image = image;
    if (!m_stretch && !m_image.isNull()) {
        const int frame = m_border ? 2 : 0;
        resize(m_image.size() + QSize(frame, frame));
    }
    update();
}

QSize ImageBox::sizeHint() const
{
    const int frame = m_border ? 2 : 0;
    return m_image.isNull() ? QSize(32, 32) : m_image.size() + QSize(frame, frame);
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int frame = m_border ? 1 : 0;
    const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
    if (!m_image.isNull()) {
        if (m_stretch)
            painter.drawImage(inner, m_image);
        else
            painter.drawImage(inner.topLeft(), m_image);
    }
    if (m_border) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
