#pragma once

#include "missionbrief.h"

// A large mission for the benchmarks: 10,000 objectives and a 1 MiB briefing
// with markup and characters of the page's code page, and one it lacks.
inline MissionBrief largeMission(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Bench Raid");
    brief.saveFolder = folder;
    brief.overviewText = QStringLiteral("Overview \u010D\u0159\u017E\r\nsecond line");
    brief.notesText = QStringLiteral("Notes<br>");
    const QString line = QStringLiteral(
        "Cross the river at <a href=\"#OBJ_1\">dawn</a> & hold \u017Elu\u0165ou\u010Dk\u00FD "
        "k\u016F\u0148 until relieved<br>\r\n");
    QString briefing;
    briefing.reserve(1 << 20);
    while (briefing.size() + line.size() <= (1 << 20))
        briefing += line;
    briefing += QStringLiteral("snow \u2603");
    brief.briefingText = briefing;
    for (int i = 1; i <= 10000; ++i)
        brief.objectives.append(QStringLiteral("Objective %1: destroy the radar \u010D").arg(i));
    brief.objectiveCount = QString::number(brief.objectives.size());
    return brief;
}
