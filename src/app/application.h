#pragma once

#include <QIcon>
#include <QThread>

#include <memory>

// What the program sets up once, before its first window: its name and
// version, the pictures it ships and its dialog font.
void setUpApplication();

// What the first window needs, made ready on a second thread while the window
// is built: the session bus connection, the font database, the pictures it
// shows, the program's icon and the drives.
class StartupLoader
{
public:
    StartupLoader();
    ~StartupLoader();
    StartupLoader(const StartupLoader &) = delete;
    StartupLoader &operator=(const StartupLoader &) = delete;

    // The pixmaps are made here, on the GUI thread.
    [[nodiscard]] static QIcon windowIcon();

private:
    void load();

    // Threads Qt starts: on Windows, a plugin loaded from a thread it did
    // not start crashed 5 of 14 starts under Wine.
    std::unique_ptr<QThread> m_fonts;
    std::unique_ptr<QThread> m_files;
};
