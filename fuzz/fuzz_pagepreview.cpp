#include "previewdocument.h"
#include "previewpictures.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

QTemporaryDir *folder()
{
    static QTemporaryDir dir;
    return &dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    PreviewPictures::setCacheLimit(64 << 20);
    return 0;
}

// The input is both a picture file the page may name and the page itself:
// the displayed copy is built and laid out, and every picture goes through
// the bounded loader.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile picture(folder()->filePath(QStringLiteral("pic.png")));
    if (picture.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        picture.write(input);
        picture.close();
    }
    (void)PreviewPictures::loadFile(picture.fileName());

    const int target = size > 0 ? data[0] % 32 : -1;
    BuiltPage built = buildPreviewDocument(input, folder()->path(), target, QFont());
    if (built.document) {
        built.document->setTextWidth(400);
        (void)built.document->documentLayout()->documentSize();
    }
    return 0;
}
