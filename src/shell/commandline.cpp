#include "commandline.h"

#include "openmission.h"
#include "programversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

QString missionFromCommandLine(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
    QCoreApplication::setApplicationVersion(programVersion());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Writes the overview and briefing pages of a Varnholt mission."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("mission"),
        QCoreApplication::translate("main",
                                    "A mission folder, or its overview.html or "
                                    "briefing.html, to open."),
        QStringLiteral("[FOLDER|PAGE]"));
    parser.process(app);

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
