#pragma once

#include "missionbrief.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdlib>

inline void require(bool ok)
{
    if (!ok)
        std::abort();
}

// The input is split at NUL bytes into the fields of a record, in the order
// name, overview, picture source, width, height, notes, briefing, save
// folder, twelve ending texts; every field after those is an objective.
inline MissionBrief fuzzRecord(const QByteArray &input)
{
    const QList<QByteArray> parts = input.split('\0');
    QList<QString> fields;
    for (const QByteArray &part : parts)
        fields.append(QString::fromUtf8(part));

    qsizetype next = 0;
    auto take = [&](QString &into) {
        if (next < fields.size())
            into = fields.at(next++);
    };
    MissionBrief brief;
    take(brief.missionName);
    take(brief.overviewText);
    take(brief.pictureSource);
    take(brief.pictureWidth);
    take(brief.pictureHeight);
    take(brief.notesText);
    take(brief.briefingText);
    take(brief.saveFolder);
    for (Ending &ending : brief.endings) {
        take(ending.header);
        take(ending.description);
    }
    while (next < fields.size())
        brief.objectives.append(fields.at(next++));
    brief.objectiveCount = QString::number(brief.objectives.size());
    return brief;
}
