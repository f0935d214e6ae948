#include "commandline.h"

#include "openmission.h"
#include "programversion.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

void describeOptions(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationVersion(programVersion());
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Writes the overview and briefing pages of a Varnholt mission."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("mission"),
        QCoreApplication::translate("CommandLine",
                                    "A mission folder, or its overview.html or "
                                    "briefing.html, to open."),
        QStringLiteral("[FOLDER|PAGE]"));
}

} // namespace

void answerHelpAndVersion(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            return;
        for (const char *option : { "-h", "-?", "--help", "--help-all", "-v", "--version" }) {
            if (argument == option) {
                QCoreApplication app(argc, argv);
                QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
                installTranslations(&app, QLocale::system());
                QCommandLineParser parser;
                describeOptions(parser);
                parser.process(app);
                return;
            }
        }
    }
}

QString missionFromCommandLine()
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(QCoreApplication::arguments());

    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        parser.showHelp(1);
    if (paths.isEmpty())
        return {};
    // Anything else is taken as a folder, so opening it says that it holds no
    // mission pages.
    const QString folder = missionFolderOf(paths.first());
    return folder.isEmpty() ? QFileInfo(paths.first()).absoluteFilePath() : folder;
}
