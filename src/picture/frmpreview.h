#pragma once

#include <QWidget>

#include <optional>

class ImageBox;

// The full-size picture window: a sizable tool window whose picture box takes
// the picture's own size. Closing it destroys it.
class frmPreview : public QWidget
{
    Q_OBJECT
public:
    explicit frmPreview(QWidget *parent = nullptr);

    // Shows the picture and sizes the window's outer frame to just hold it.
    void showPicture(const QImage &picture);
    // Puts the picture in; an open window is resized to it, a hidden one
    // stays hidden.
    void setPicture(const QImage &picture);
    // Places the window's outer frame, before or after it is shown.
    void placeFrameAt(const QPoint &corner);

Q_SIGNALS:
    void closing();
    // The user double-clicked the picture.
    void pictureDoubleClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitFrame();

    ImageBox *imgPrev = nullptr;
    std::optional<QPoint> m_corner;
};
