#pragma once

#include "missionfield.h"
#include "pagepath.h"

#include <QList>
#include <QString>

struct MissionBrief;

// One thing that will go wrong with the pages as the record stands, the field
// it concerns and what to do about it.
struct Finding
{
    // Error: "Create Files" would refuse the record; Warning: the page will
    // not show what was meant; Note: worth a look.
    enum class Severity { Error, Warning, Note };

    Severity severity = Severity::Error;
    FieldRef field;
    // The characters of the field's text it is about, [from, to); -1 for the
    // field as a whole.
    int from = -1;
    int to = -1;
    QString fieldName; // as the window names the field: "Mission Name", "End 3 Header"
    QString text;

    bool operator==(const Finding &) const = default;
};

// "Mission Name: Please Enter Mission Name.", the way the checks list shows it.
[[nodiscard]] QString findingLine(const Finding &finding);

// What the picture layer found at the picture source; this layer reads no images.
struct PictureFacts
{
    bool readablePicture = false;
};

// What "Create Files" would refuse now, with its own messages: the mission
// name, and while objectives exist the width and the height, both if both fail.
[[nodiscard]] QList<Finding> refusalFindings(const MissionBrief &brief);

// No picture, or a picture kept outside the save folder, which the game finds
// only on this computer.
[[nodiscard]] QList<Finding> pictureFindings(const MissionBrief &brief, const PictureFacts &picture,
                                             PathStyle style = nativePathStyle());

// Unbalanced or unfinished markup and unnamed marker links, per text field.
[[nodiscard]] QList<Finding> markupFindings(const MissionBrief &brief);

// Characters the page's code page cannot hold, per text field.
[[nodiscard]] QList<Finding> characterFindings(const MissionBrief &brief);

// No objectives at all, or objectives that are empty or repeat an earlier one.
[[nodiscard]] QList<Finding> objectiveFindings(const MissionBrief &brief);

// All of the above, in the order the window shows the fields (mission name
// first, endings last) and within a field in the order of the text.
[[nodiscard]] QList<Finding> checkMission(const MissionBrief &brief, const PictureFacts &picture,
                                          PathStyle style = nativePathStyle());
