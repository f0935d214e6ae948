#pragma once

#include "pagepath.h"

#include <functional>

struct MissionBrief;
class Prompter;

// What the main window must do after a "Create Files" run.
struct CreateFilesOutcome
{
    enum class Result {
        Written, // both pages written, "Files Created!" shown
        CheckFailed, // a check failed; show the tabs and focus below
        Declined, // "No" to the no-objectives question; nothing changes
        WriteFailed, // a page could not be written; the error was shown
    };
    enum class Field { None, MissionName, PictureWidth, PictureHeight };

    Result result = Result::Written;
    int mainTab = -1; // tab of SSTab1 to show, -1 to leave it
    int pictureTab = -1; // tab of SSTab3 to show, -1 to leave it
    Field focus = Field::None;
};

// `written` runs once both pages are written, before "Files Created!" shows.
[[nodiscard]] CreateFilesOutcome createFiles(const MissionBrief &brief, Prompter &prompter,
                                             PathStyle style = nativePathStyle(),
                                             const std::function<void()> &written = {});
