#pragma once

#include "missionbrief.h"

#include <QString>

#include <optional>

class Prompter;

// The folder a command-line argument or a dropped item names as a mission:
// a folder itself, or the folder of a file named overview.html or
// briefing.html. Empty for anything else.
[[nodiscard]] QString missionFolderOf(const QString &path);

// Reads the mission in folder for "Open Mission...". Tells the user when the
// folder holds no pages or pages that cannot be read back, and, when the
// window holds unsaved texts, asks whether to replace them. The mission to
// put into the window (saveFolder is the folder), or nothing when the window
// must stay as it is. The fields of a missing page take their values from
// start, the record the window held after start-up.
[[nodiscard]] std::optional<MissionBrief> readMissionToOpen(const QString &folder,
                                                            const MissionBrief &start,
                                                            bool unsavedTexts, Prompter &prompter);

// Whether two records hold the same texts, as a user judges unsaved work:
// everything but the save folder, which is remembered on its own.
[[nodiscard]] bool sameTexts(MissionBrief a, MissionBrief b);
