#include "fuzzrecord.h"
#include "missionbrief.h"
#include "pagewriters.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const MissionBrief brief = fuzzRecord(input);

    // Without line breaks of its own in any field the pages have their
    // fixed number of lines.
    const bool oneLineFields = !input.contains('\r') && !input.contains('\n');
    const bool typedSub = input.contains('\x1a');
    checkPage(overviewPageBytes(brief), oneLineFields ? 23 : -1, typedSub);
    checkPage(briefingPageBytes(brief), oneLineFields ? 78 + 4 * brief.objectives.size() : -1,
              typedSub);
    return 0;
}
