#include "missionbrief.h"

std::array<Ending, 6> MissionBrief::startingEndings()
{
    return { {
        { QStringLiteral("Mission Accomplished"), QStringLiteral("Good Job Soldier!") },
        { QStringLiteral("Mission Failed"),
          QStringLiteral("Maybe next time soldier..If there is one") },
        { QStringLiteral("End 3"), QStringLiteral("End 3 Description") },
        { QStringLiteral("End 4"), QStringLiteral("End 4 Description") },
        { QStringLiteral("End 5"), QStringLiteral("End 5 Description") },
        { QStringLiteral("End 6"), QStringLiteral("End 6 Description") },
    } };
}
