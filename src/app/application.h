#pragma once

#include <QIcon>
#include <QThread>

#include <memory>

// What the program sets up once, before its first window: its name and
// version, the pictures it ships, its style and its dialog font.
void setUpApplication();

// What the first window needs, made ready on two threads while the window is
// built: Qt's font database on one; the session bus connection, the pictures
// the window shows, the program's icon and the drives on the other.
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
