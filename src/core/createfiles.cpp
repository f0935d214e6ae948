#include "createfiles.h"

#include "missionbrief.h"
#include "numbertest.h"
#include "pagewriters.h"
#include "prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <array>
#include <cmath>
#include <optional>

namespace {

// An empty or non-numeric size has no even value, so it fails the check
// instead of stopping the program.
bool isEvenWholeNumber(const QString &text)
{
    const std::optional<double> value = acceptedNumber(text);
    if (!value)
        return false;
    const double half = *value / 2;
    return std::floor(half) == half;
}

CreateFilesOutcome checkFailed(FieldRef field)
{
    CreateFilesOutcome outcome;
    outcome.result = CreateFilesOutcome::Result::CheckFailed;
    outcome.field = field;
    return outcome;
}

void reportWriteFailure(const WriteResult &written, Prompter &prompter)
{
    prompter.message(QCoreApplication::translate("CreateFiles", "Could not write %1:\n%2")
                         .arg(QDir::toNativeSeparators(written.path), written.reason),
                     QCoreApplication::translate("CreateFiles", "Error"), Prompter::Icon::Critical);
}

} // namespace

std::optional<CreateFilesRefusal> missionNameRefusal(const MissionBrief &brief)
{
    if (!brief.missionName.isEmpty())
        return std::nullopt;
    return CreateFilesRefusal { { MissionField::MissionName },
                                QCoreApplication::translate("CreateFiles",
                                                            "Please Enter Mission Name.") };
}

// The count label always holds a number; anything else is taken as no
// objectives, so the user is asked before pages without objectives are made.
bool objectivesEntered(const MissionBrief &brief)
{
    const std::optional<double> value = acceptedNumber(brief.objectiveCount);
    return value && *value != 0;
}

QList<CreateFilesRefusal> pictureSizeRefusals(const MissionBrief &brief)
{
    QList<CreateFilesRefusal> refusals;
    if (!isEvenWholeNumber(brief.pictureWidth))
        refusals.append(
            { { MissionField::PictureWidth },
              QCoreApplication::translate("CreateFiles", "Width must be even number") });
    if (!isEvenWholeNumber(brief.pictureHeight))
        refusals.append(
            { { MissionField::PictureHeight },
              QCoreApplication::translate("CreateFiles", "Height must be even number") });
    return refusals;
}

CreateFilesOutcome createFiles(const MissionBrief &brief, Prompter &prompter, PathStyle style,
                               const std::function<void()> &beforeReport, const LongTexts &texts)
{
    using Icon = Prompter::Icon;

    if (const auto refusal = missionNameRefusal(brief)) {
        prompter.message(refusal->message, QCoreApplication::translate("CreateFiles", "Error"),
                         Icon::Critical);
        return checkFailed(refusal->field);
    }

    bool checkSize = true;
    if (!objectivesEntered(brief)) {
        const QString question = QCoreApplication::translate(
                                     "CreateFiles", "You haven't entered any mission objectives")
            + QLatin1Char('\r')
            + QCoreApplication::translate("CreateFiles", "Are you sure you want to continue?");
        const Prompter::Button answer
            = prompter.message(question, QCoreApplication::translate("CreateFiles", "Continue?"),
                               Icon::Question, Prompter::Buttons::YesNo, Prompter::Button::Yes);
        if (answer != Prompter::Button::Yes) {
            CreateFilesOutcome outcome;
            outcome.result = CreateFilesOutcome::Result::Declined;
            return outcome;
        }
        checkSize = false;
    }

    if (checkSize) {
        const QList<CreateFilesRefusal> refusals = pictureSizeRefusals(brief);
        if (!refusals.isEmpty()) {
            prompter.message(refusals.first().message,
                             QCoreApplication::translate("CreateFiles", "Error"), Icon::Critical);
            return checkFailed(refusals.first().field);
        }
    }

    // The briefing is made while the disk takes the overview; the overview
    // is still put in place first, and the briefing only after it.
    CreateFilesOutcome outcome;
    std::array<std::optional<AtomicFile>, 2> pages;
    pages[0].emplace(writePageBeside(Page::Overview, brief, style, texts));
    if (pages[0]->written().ok)
        pages[1].emplace(writePageBeside(Page::Briefing, brief, style, texts));
    for (std::optional<AtomicFile> &file : pages) {
        const WriteResult written = file->commit();
        if (!written.ok) {
            reportWriteFailure(written, prompter);
            outcome.result = CreateFilesOutcome::Result::WriteFailed;
            return outcome;
        }
    }

    if (beforeReport)
        beforeReport();
    prompter.message(QCoreApplication::translate("CreateFiles", "Files Created!"),
                     QCoreApplication::translate("CreateFiles", "File Generator"),
                     Icon::Information);
    outcome.result = CreateFilesOutcome::Result::Written;
    return outcome;
}
