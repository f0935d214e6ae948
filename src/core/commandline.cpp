#include "commandline.h"

#include "openmission.h"
#include "programversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

constexpr const char *checkOption = "check";

void describeOptions(QCommandLineParser &parser)
{
    // "-platform offscreen" is one option, as Qt reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Writes the overview and briefing pages of a Varnholt mission."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QString::fromLatin1(checkOption),
        QCoreApplication::translate(
            "CommandLine",
            "Check the missions named instead of opening a window: each a mission folder, "
            "one of its pages, or a folder whose folders hold missions. One line per "
            "problem, \"PATH: error|warning|note: FIELD: TEXT\", and a summary; the exit "
            "status is 1 when a mission has errors.")));
    parser.addPositionalArgument(
        QStringLiteral("mission"),
        QCoreApplication::translate(
            "CommandLine", "A mission folder, or its overview.html or briefing.html, to open."),
        QStringLiteral("[FOLDER|PAGE]"));

    // Qt's own options, taken by the application object.
    for (const char *name :
         { "style", "stylesheet", "platform", "platformpluginpath", "platformtheme", "plugin",
           "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
           "title", "name", "qmljsdebugger", "dialogs", "fontengine" }) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : { "reverse", "widgetcount", "nograb", "dograb", "sync" }) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

[[noreturn]] void printAndExit(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
    std::exit(EXIT_SUCCESS);
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    CommandLine line;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        line.error = unknown.isEmpty()
            ? parser.errorText()
            : QCoreApplication::translate("CommandLine", "unknown option '%1'")
                  .arg(unknown.first());
        return line;
    }
    line.paths = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        line.action = CommandLine::Action::Help;
    else if (parser.isSet(QStringLiteral("version")))
        line.action = CommandLine::Action::Version;
    else if (parser.isSet(QString::fromLatin1(checkOption)) && line.paths.isEmpty())
        line.error = QCoreApplication::translate(
            "CommandLine", "--check needs a mission folder, a page or a folder of missions");
    else if (parser.isSet(QString::fromLatin1(checkOption)))
        line.action = CommandLine::Action::Check;
    else if (line.paths.size() > 1)
        line.error = QCoreApplication::translate("CommandLine",
                                                 "one mission at a time: unexpected argument '%1'")
                         .arg(line.paths[1]);
    else
        line.action = CommandLine::Action::Open;
    return line;
}

// Qt shows --help and --version of a Windows GUI program in a message box,
// and --check and usage errors would be lost, unless it was given handles to
// write to: the text goes to the console of a command prompt it was started
// from instead.
void writeToParentConsole()
{
#ifdef Q_OS_WIN
    const auto missing = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool output = missing(STD_OUTPUT_HANDLE), error = missing(STD_ERROR_HANDLE);
    if ((output || error) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (output)
            std::freopen("CONOUT$", "w", stdout);
        if (error)
            std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

int answerCommandLine(const CommandLine &commandLine)
{
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    describeOptions(parser);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        printAndExit(parser.helpText());
    case CommandLine::Action::Version:
        printAndExit(QCoreApplication::applicationName() + QLatin1Char(' ')
                     + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(commandLine.error), qPrintable(parser.helpText()));
        return 2;
    case CommandLine::Action::Open:
    case CommandLine::Action::Check:
        break;
    }
    return 0;
}

QString missionToOpen(const CommandLine &commandLine)
{
    if (commandLine.paths.isEmpty())
        return {};
    const QString &path = commandLine.paths.first();
    const QString folder = missionFolderOf(path);
    return folder.isEmpty() ? QFileInfo(path).absoluteFilePath() : folder;
}
