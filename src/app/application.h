#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QThread>

#include <memory>

// What the program sets up once, before its first window: its name and
// version, the pictures it ships and its dialog font.
void setUpApplication();

// What the first window needs from files, read on a second thread while the
// window is built: the program's icon, and the picture format plugins, which
// every thread shares once loaded.
class StartupLoader
{
public:
    StartupLoader();
    ~StartupLoader();
    StartupLoader(const StartupLoader &) = delete;
    StartupLoader &operator=(const StartupLoader &) = delete;

    // Waits for the thread; the pixmaps are made here, on the GUI thread.
    [[nodiscard]] QIcon windowIcon();

private:
    void load();

    QList<QImage> m_icon;
    // A thread Qt starts: on Windows, a plugin loaded from a thread it did
    // not start crashed 5 of 14 starts under Wine.
    std::unique_ptr<QThread> m_thread;
};
