#pragma once

#include "missionbrief.h"

#include <QString>

#include <optional>

class Prompter;

// The folder a command-line argument or a dropped item names as a mission:
// a folder itself, or the folder of a file named overview.html or
// briefing.html. Empty for anything else.
[[nodiscard]] QString missionFolderOf(const QString &path);

struct OpenedMission
{
    MissionBrief brief; // saveFolder is the mission's folder
    QString folder;
    // Said once the mission is in the window: which page was missing.
    QString notice;
};

// Reads the mission that path names (its folder, or either page) for "Open
// Mission...". Tells the user when the path is missing or no mission, when
// the folder holds no pages or pages that cannot be read back. Nothing when
// the window must stay as it is. The fields of a missing page take their values
// from start, the record the window held after start-up.
[[nodiscard]] std::optional<OpenedMission>
readMissionToOpen(const QString &path, const MissionBrief &start, Prompter &prompter);

// Whether two records hold the same texts, as a user judges unsaved work:
// everything but the save folder, which is remembered on its own.
[[nodiscard]] bool sameTexts(MissionBrief a, MissionBrief b);
