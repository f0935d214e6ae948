#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

struct Ending
{
    QString header;
    QString description;

    bool operator==(const Ending &) const = default;
};

// The one current mission: everything "Create Files" turns into the two pages.
// Every field is text, kept exactly as the user typed it.
struct MissionBrief
{
    QString missionName;
    QString overviewText;
    QString pictureSource = QStringLiteral("Text1");
    QString pictureWidth = QStringLiteral("170");
    QString pictureHeight = QStringLiteral("64");
    QString notesText;
    QString briefingText;
    QStringList objectives;
    QString objectiveCount = QStringLiteral("0");
    std::array<Ending, 6> endings = startingEndings();
    QString saveFolder;

    [[nodiscard]] static std::array<Ending, 6> startingEndings();

    bool operator==(const MissionBrief &) const = default;
};
