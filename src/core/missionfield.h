#pragma once

// The fields of a mission, as every rule and the main window name them.
enum class MissionField {
    MissionName,
    Overview,
    PictureSource,
    PictureWidth,
    PictureHeight,
    Notes,
    Briefing,
    Objective,
    EndHeader,
    EndDescription,
};

// One field of the record; index is the objective's row from 1 or the
// ending's number 1 to 6, and 0 for the other fields.
struct FieldRef
{
    MissionField field = MissionField::MissionName;
    int index = 0;

    bool operator==(const FieldRef &) const = default;
};
