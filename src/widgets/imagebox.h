#pragma once

#include <QImage>
#include <QWidget>

// An image box: shows a picture either stretched to the box or at its own
// size (the box then takes the picture's size), with an optional single-line
// border, and reports double-clicks.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);

    void setStretch(bool stretch);
    void setBorder(bool border);
    void setImage(const QImage &image);
    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    bool m_stretch = false;
    bool m_border = false;
};
