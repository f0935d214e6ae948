#pragma once

#include <QObject>
#include <QPointer>

class Prompter;
class QLabel;
class QLineEdit;
class frmWarning;

// The change handling of the two picture size boxes: spaces are removed,
// non-numeric text is cut back one character per "Must Be Numbers" box, the
// mirror labels follow the boxes, and lblWarning shows while the size is over
// 256 x 128. It runs synchronously on every textChanged, typed or set by code;
// the setText calls it makes re-enter it at once, as nested runs.
class PictureSizeBoxes : public QObject
{
    Q_OBJECT
public:
    // The size boxes, their mirror labels and the warning label, named so
    // that none can be swapped.
    struct Controls
    {
        QLineEdit *txtPicWidth;
        QLineEdit *txtPicHeight;
        QLabel *lblPicWidth;
        QLabel *lblPicHeight;
        QLabel *lblWarning;
    };

    PictureSizeBoxes(const Controls &controls, Prompter &prompter, QObject *parent = nullptr);

    [[nodiscard]] frmWarning *warningWindow() const;

public Q_SLOTS:
    void showWarningWindow();

private:
    struct Box
    {
        QLineEdit *edit = nullptr;
        QLabel *label = nullptr;
        int typingLimit = 0;
    };

    void boxChanged(Box &box);
    void updateWarning();

    Box m_width;
    Box m_height;
    QLabel *m_lblWarning = nullptr;
    Prompter &m_prompter;
    QPointer<frmWarning> m_warning;
};

// Sets a size box's text in full even when it is longer than the box's typing
// limit (a picture of 10,000 pixels or more); PictureSizeBoxes restores the limit
// once the text fits it again.
void setSizeBoxText(QLineEdit *box, const QString &text);
