#pragma once

#include "missionbrief.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// The golden pages in tests/data/pages/ and the records they are written from.

inline QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(QUILLMARK_TEST_DATA "/pages/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden page %s", qPrintable(name));
    return file.readAll();
}

inline MissionBrief startRecord()
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    return brief;
}

inline MissionBrief fullRecord()
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Raid on <D\u016Fm> & \"Co\"");
    brief.pictureSource = QStringLiteral("C:\\Pics\\raid night.jpg");
    brief.pictureWidth = QStringLiteral("171");
    brief.overviewText
        = QStringLiteral("P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148\r\n"
                         "Cena 5 \u20AC\r\n"
                         "Sn\u011Bhul\u00E1k \u2603 a ")
        + QString::fromUtf8("\xF0\x9F\x98\x80");
    brief.notesText = QStringLiteral("Line one<br>\r\nLine two");
    brief.briefingText
        = QStringLiteral("Go to <a href=\"#OBJ_1\">the radar</a> & wait<br>\r\n\r\nthen \"move\"");
    brief.objectives
        = { QStringLiteral("Destroy the radar"), QString(), QStringLiteral("Destroy the radar") };
    brief.objectiveCount = QStringLiteral("3");
    brief.endings[1].description = QStringLiteral("Zkuste to znovu\u2026");
    brief.endings[2] = {};
    brief.endings[5] = { QStringLiteral("<b>Escape</b>"), QStringLiteral("Ran & hid") };
    return brief;
}
