#pragma once

#include <QDir>
#include <QObject>
#include <QPointer>

class ImageBox;
class Prompter;
class QLineEdit;
class frmPreview;

// Choosing the overview picture: a chosen file is checked, named in Text1,
// shown stretched in the small preview and measured into the two size boxes;
// a double-click on the preview shows it at full size in frmPreview.
class PictureBrowser : public QObject
{
    Q_OBJECT
public:
    // The controls a picture choice fills, named so that none can be swapped.
    struct Controls
    {
        QLineEdit *Text1;
        ImageBox *imgPicPreview;
        QLineEdit *txtPicWidth;
        QLineEdit *txtPicHeight;
        QWidget *mainWindow;
    };

    PictureBrowser(const Controls &controls, Prompter &prompter, QObject *parent = nullptr);

    // The folder, a separator unless the folder already ends with one, the name.
    [[nodiscard]] static QString filePath(const QString &folder, const QString &fileName,
                                          QChar separator = QDir::separator());

    [[nodiscard]] frmPreview *previewWindow() const;

public Q_SLOTS:
    void choose(const QString &folder, const QString &fileName);
    void showPreview();
    // Shows the picture at path in the small preview and nothing else: the
    // size boxes keep their texts, and a path that names no readable picture
    // leaves the preview empty without a message.
    void showQuietly(const QString &path);

private:
    void preparePreview();
    void closePreview();
    void reportFailure(const QString &path, const QString &reason);

    QLineEdit *m_text1;
    ImageBox *m_imgPicPreview;
    QLineEdit *m_txtPicWidth;
    QLineEdit *m_txtPicHeight;
    QWidget *m_mainWindow;
    Prompter &m_prompter;
    QPointer<frmPreview> m_preview;
};
