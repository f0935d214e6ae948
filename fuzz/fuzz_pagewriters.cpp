#include "missionbrief.h"
#include "pagewriters.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool ok)
{
    if (!ok)
        std::abort();
}

// Every page ends its last line with CR LF and never carries the byte an
// encoder writes for a character it could not hold.
void checkPage(const QByteArray &page, qsizetype expectedLines, bool mayHoldSub)
{
    require(page.endsWith("\r\n"));
    require(mayHoldSub || !page.contains('\x1a'));
    if (expectedLines >= 0)
        require(page.count("\r\n") == expectedLines);
}

} // namespace

// The input is split at NUL bytes into the fields of a record, in the order
// name, overview, picture source, width, height, notes, briefing, save
// folder, twelve ending texts; every field after those is an objective.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
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

    // Without line breaks of its own in any field the pages have their
    // fixed number of lines.
    const bool oneLineFields = !input.contains('\r') && !input.contains('\n');
    const bool typedSub = input.contains('\x1a');
    checkPage(overviewPageBytes(brief), oneLineFields ? 23 : -1, typedSub);
    checkPage(briefingPageBytes(brief), oneLineFields ? 78 + 4 * brief.objectives.size() : -1,
              typedSub);
    return 0;
}
