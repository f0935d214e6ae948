#include "application.h"

#include "controls.h"
#include "programversion.h"
#include "translations.h"

#include <QApplication>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>

void setUpApplication()
{
    // The pictures live in the statically linked shell library.
    Q_INIT_RESOURCE(resources);
    // No display name: Qt would append it to every window's title.
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark"));
    QApplication::setApplicationVersion(programVersion());
    installTranslations(QCoreApplication::instance(), QLocale::system());
    useDialogFont();
}

StartupLoader::StartupLoader()
    : m_thread(QThread::create([this] { load(); }))
{
    m_thread->start();
}

StartupLoader::~StartupLoader()
{
    m_thread->wait();
}

void StartupLoader::load()
{
    // The window's menu bar asks for its first icon by name, which has every
    // picture format plugin loaded and asked about it; shared by every
    // thread, they are loaded here first, while the window is being built.
    (void)QImageReader(QStringLiteral(":/icons/scroll.png")).format();
    // Title bars and task bars show no more than 64 pixels; launchers take
    // the larger pictures from the installed theme icons. They are read as
    // PNG outright, which asks no plugin.
    for (int size : { 16, 32, 48, 64 }) {
        QImageReader reader(QStringLiteral(":/icons/quillmark-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        m_icon.append(reader.read());
    }
}

QIcon StartupLoader::windowIcon()
{
    m_thread->wait();
    QIcon icon;
    for (const QImage &picture : std::as_const(m_icon))
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}
