#include "fuzzrecord.h"
#include "missionbrief.h"
#include "pagereader.h"
#include "pagewriters.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// The input is read as both pages as it is; then, as a record, it is written,
// read back and written again, which must give the very same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const MissionPages raw = readMissionPages(input, input);
    require(raw.problems.size() <= 2);

    MissionBrief brief = fuzzRecord(input);
    brief.saveFolder.clear();
    const QByteArray overview = overviewPageBytes(brief);
    const QByteArray briefing = briefingPageBytes(brief);
    const MissionPages read = readMissionPages(overview, briefing);
    require(read.problems.isEmpty());
    require(overviewPageBytes(read.brief) == overview);
    require(briefingPageBytes(read.brief) == briefing);
    return 0;
}
