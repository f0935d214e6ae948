#pragma once

#include <QWidget>

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

    ImageBox *imgPrev = nullptr;

Q_SIGNALS:
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
};
