#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// Whether a regular file is a picture that can be shown; this layer reads no
// images.
using PictureProbe = std::function<bool(const QString &file)>;

struct MissionCheckSummary
{
    int missions = 0;
    int withErrors = 0;
    int withWarnings = 0; // and no errors

    [[nodiscard]] int exitStatus() const { return withErrors > 0 ? 1 : 0; }
};

// "quillmark --check": reads the missions each path names (a mission folder,
// one of its pages, or a folder whose folders hold missions, each checked in
// name order) and writes one line per problem, as compilers do:
// "raid/overview.html: error: Mission Name: Please Enter Mission Name." A
// page that cannot be read back is an error, and the fields it holds are not
// checked.
[[nodiscard]] MissionCheckSummary
checkMissions(const QStringList &paths, const PictureProbe &canShowPicture, QTextStream &out);

// "3 missions checked: 1 with errors, 1 with warnings."
[[nodiscard]] QString summaryLine(const MissionCheckSummary &summary);
