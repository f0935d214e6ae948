#include "picturebrowser.h"

#include "frmpreview.h"
#include "imagebox.h"
#include "picturemeasure.h"
#include "picturesizeboxes.h"
#include "prompter.h"

#include <QLineEdit>

PictureBrowser::PictureBrowser(const Controls &controls, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_text1(controls.Text1)
    , m_imgPicPreview(controls.imgPicPreview)
    , m_txtPicWidth(controls.txtPicWidth)
    , m_txtPicHeight(controls.txtPicHeight)
    , m_mainWindow(controls.mainWindow)
    , m_prompter(prompter)
{
}

QString PictureBrowser::filePath(const QString &folder, const QString &fileName, QChar separator)
{
    const bool endsWithSeparator = folder.endsWith(separator) || folder.endsWith(QLatin1Char('/'));
    return endsWithSeparator ? folder + fileName : folder + separator + fileName;
}

void PictureBrowser::choose(const QString &folder, const QString &fileName)
{
    const QString path = filePath(QDir::toNativeSeparators(folder), fileName);

    // Check the picture before anything changes, so a bad file leaves the
    // previous choice whole.
    const PictureInfo info = measurePicture(path);
    if (!info.ok) {
        reportFailure(path, info.error);
        return;
    }
    QString error;
    const QImage preview = loadScaledPicture(path, m_imgPicPreview->size(), &error);
    if (preview.isNull()) {
        reportFailure(path, error);
        return;
    }

    m_text1->setText(path);
    m_imgPicPreview->setImage(preview);
    preparePreview();
    // An open full-size preview shows the last picture chosen.
    if (m_preview->isVisible()) {
        const QImage full = loadFullPicture(path, &error);
        if (!full.isNull())
            m_preview->setPicture(full);
    }
    setSizeBoxText(m_txtPicHeight, QString::number(info.size.height()));
    setSizeBoxText(m_txtPicWidth, QString::number(info.size.width()));
}

void PictureBrowser::showPreview()
{
    const QString path = m_text1->text();
    QString error;
    const QImage picture = loadFullPicture(path, &error);
    if (picture.isNull()) {
        reportFailure(path, error);
        return;
    }
    preparePreview();
    m_preview->showPicture(picture);
}

void PictureBrowser::showQuietly(const QString &path)
{
    QString error;
    m_imgPicPreview->setImage(loadScaledPicture(path, m_imgPicPreview->size(), &error));
}

void PictureBrowser::preparePreview()
{
    if (m_preview)
        return;
    m_preview = new frmPreview(m_mainWindow);
    const QRect main = m_mainWindow->frameGeometry();
    m_preview->placeFrameAt(QPoint(main.x() + main.width(), main.y()));

    frmPreview *created = m_preview;
    connect(created, &frmPreview::pictureDoubleClicked, this, &PictureBrowser::closePreview);
    connect(created, &frmPreview::closing, this, [this, created] {
        if (m_preview == created)
            m_preview = nullptr;
    });
}

void PictureBrowser::closePreview()
{
    if (m_preview)
        m_preview->close();
    m_preview = nullptr;
    preparePreview();
}

void PictureBrowser::reportFailure(const QString &path, const QString &reason)
{
    m_prompter.message(
        tr("The picture \"%1\" cannot be loaded.\n%2").arg(QDir::toNativeSeparators(path), reason),
        tr("Error"), Prompter::Icon::Critical);
}

frmPreview *PictureBrowser::previewWindow() const
{
    return m_preview;
}
