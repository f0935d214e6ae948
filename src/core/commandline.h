#pragma once

#include <QString>
#include <QStringList>

// What the program is asked to do. Qt's own options (-platform, -style ...)
// are known here and left for the application object to take.
struct CommandLine
{
    enum class Action { Open, Check, Help, Version, UsageError };

    Action action = Action::UsageError;
    QStringList paths; // the mission to open (none or one), or those to check
    QString error; // for UsageError: "unknown option 'bogus'"
};

// Needs no application object, so the program knows before it creates one
// whether it needs a display at all.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

// Where the program runs without a window: standard output and error go to
// the console the program was started from when it was given none.
void writeToParentConsole();

// Prints the help, the version or the usage error with the help; the exit
// status. Needs a QCoreApplication.
[[nodiscard]] int answerCommandLine(const CommandLine &commandLine);

// The mission folder to open, empty for none. A page names its folder;
// anything else is taken as a folder, so opening it says that it holds no
// mission pages.
[[nodiscard]] QString missionToOpen(const CommandLine &commandLine);
