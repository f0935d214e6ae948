#pragma once

#include "missionfield.h"
#include "pagepath.h"
#include "pagewriters.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

struct MissionBrief;
class Prompter;

// What the main window must do after a "Create Files" run.
struct CreateFilesOutcome
{
    enum class Result {
        Written, // both pages written, "Files Created!" shown
        CheckFailed, // a check failed; take the user to the field below
        Declined, // "No" to the no-objectives question; nothing changes
        WriteFailed, // a page could not be written; the error was shown
    };

    Result result = Result::WriteFailed; // set by every path that gets further
    std::optional<FieldRef> field; // the field at fault when a check failed
};

// `beforeReport` runs once both pages are written, before "Files Created!" shows.
// A long text given in `texts` is written from its pieces, not from brief.
[[nodiscard]] CreateFilesOutcome createFiles(const MissionBrief &brief, Prompter &prompter,
                                             PathStyle style = nativePathStyle(),
                                             const std::function<void()> &beforeReport = {},
                                             const LongTexts &texts = {});

// A check "Create Files" makes before writing that the record fails, with the
// message the command shows and the field it takes the user to.
struct CreateFilesRefusal
{
    FieldRef field;
    QString message;
};

[[nodiscard]] std::optional<CreateFilesRefusal> missionNameRefusal(const MissionBrief &brief);

// True when the objective count reads as a number other than 0; only then are
// the picture width and height checked.
[[nodiscard]] bool objectivesEntered(const MissionBrief &brief);

// The width and then the height, each one that is not an even whole number.
// The command stops at the first; the list holds both.
[[nodiscard]] QList<CreateFilesRefusal> pictureSizeRefusals(const MissionBrief &brief);
