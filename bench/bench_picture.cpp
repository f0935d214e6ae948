#include "imagebox.h"
#include "picturebrowser.h"
#include "picturemeasure.h"
#include "prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class SilentPrompter : public Prompter
{
public:
    int boxes = 0;
    Button message(const QString &, const QString &, Icon, Buttons, Button) override
    {
        ++boxes;
        return Button::Ok;
    }
    QString input(const QString &, const QString &) override { return {}; }
};

// Median of several runs, in milliseconds.
double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString file = QStringLiteral("big.jpg");
    const QString path = dir.filePath(file);
    {
        // A grey ramp keeps the file realistic in size without a 576 MB colour buffer.
        QImage big(12000, 12000, QImage::Format_Grayscale8);
        for (int y = 0; y < big.height(); ++y)
            std::fill_n(big.scanLine(y), big.width(), uchar((y / 47) & 0xff));
        if (!big.save(path, "JPEG", 85)) {
            out << "could not write " << path << Qt::endl;
            return 1;
        }
    }
    out << "12000 x 12000 JPEG: " << QFileInfo(path).size() / 1024 << " KiB" << Qt::endl;

    const double header = medianMs(21, [&] {
        const PictureInfo info = measurePicture(path);
        Q_ASSERT(info.ok);
    });

    QWidget mainWindow;
    auto *text1 = new QLineEdit(&mainWindow);
    auto *preview = new ImageBox(&mainWindow);
    preview->setStretch(true);
    preview->resize(144, 61);
    auto *width = new QLineEdit(&mainWindow);
    auto *height = new QLineEdit(&mainWindow);
    width->setMaxLength(4);
    height->setMaxLength(4);
    SilentPrompter prompter;
    PictureBrowser browser({ .Text1 = text1,
                             .imgPicPreview = preview,
                             .txtPicWidth = width,
                             .txtPicHeight = height,
                             .mainWindow = &mainWindow },
                           prompter);
    const double choose = medianMs(5, [&] { browser.choose(dir.path(), file); });
    out << "choose(): boxes " << width->text() << " x " << height->text() << ", messages "
        << prompter.boxes << Qt::endl;

    QString error;
    const bool fullWithinLimit = !loadFullPicture(path, &error).isNull();
    out << "full decode within the default allocation limit: "
        << (fullWithinLimit ? QStringLiteral("succeeded") : QStringLiteral("refused: ") + error)
        << Qt::endl;

    QImageReader::setAllocationLimit(0);
    const double full = medianMs(3, [&] {
        QString fullError;
        const QImage image = loadFullPicture(path, &fullError);
        Q_ASSERT(!image.isNull());
    });

    out << Qt::fixed;
    out.setRealNumberPrecision(2);
    out << "header measurement:  " << header << " ms (median of 21)" << Qt::endl;
    out << "choose() handler:    " << choose << " ms (median of 5), " << choose / header
        << "x the header" << Qt::endl;
    out << "full decode:         " << full << " ms (median of 3, allocation limit lifted)"
        << Qt::endl;
    return 0;
}
