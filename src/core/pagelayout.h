#pragma once

#include <QByteArrayView>

#include <array>

// The fixed lines that frame the fields of the two pages, shared by the
// writers and the reader so that the one is the exact inverse of the other.
namespace PageLayout {

using Line = QByteArrayView;

inline constexpr Line metaContentType = "<meta http-equiv=\"Content-Type\"";
inline constexpr Line metaCharset = "content=\"text/html; charset=windows-1250\">";

// Overview lines 1 to 13, then the heading and picture lines, "<BR>" and "<p>".
inline constexpr std::array<Line, 13> overviewHead {
    "<html>",
    "",
    "<head>",
    metaContentType,
    metaCharset,
    "<meta name=\"GENERATOR\" content=\"VB\">",
    "",
    "<title>Overview</title>",
    "</head>",
    "",
    "<body bgcolor=\"#FFFFFF\">",
    "",
    "<br>",
};
inline constexpr Line headingStart = "<h2 align=\"center\"><a name=\"Main\">";
inline constexpr Line headingEnd = "</a></h2>";
inline constexpr Line pictureStart = "<p align=\"center\"><img src=\"";
inline constexpr Line pictureWidth = "\" width=\"";
inline constexpr Line pictureHeight = "\" height=\"";
inline constexpr Line pictureEnd = "\"></p>";
inline constexpr std::array<Line, 2> overviewTextStart { "<BR>", "<p>" };
inline constexpr std::array<Line, 5> overviewTail { "<br>", "</p>", "", "</body>", "</html>" };

// Briefing lines 1 to 15; the notes follow.
inline constexpr std::array<Line, 15> briefingHead {
    "<html>",
    "",
    "<head>",
    metaContentType,
    metaCharset,
    "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage Express 2.0\">",
    "<title>Varnholt Mission</title>",
    "</head>",
    "",
    "<body bgcolor=\"#FFFFFF\">",
    "",
    "<br>",
    "<h2><a name=\"Main\"></a></h2>",
    "<br>",
    "<h6>",
};
// Between the notes and the briefing text, and after the briefing text.
inline constexpr std::array<Line, 3> notesEnd { "</h6>", "<hr>", "<p><a name=\"Plan\"></a>" };
inline constexpr std::array<Line, 2> briefingEnd { "</p>", "<hr>" };

// An objective: its anchor and text on one line, then three fixed lines.
inline constexpr Line objectiveStart = "<p><a name = \"OBJ_";
inline constexpr Line objectiveAnchorEnd = "\"></a>";
inline constexpr std::array<Line, 3> objectiveTail { "</p>", "<hr>", "" };

// An ending: nine lines, the header on the fourth, the description on the seventh.
inline constexpr std::array<Line, 3> endingHead { "<hr>", "<br>", "<h2>" };
inline constexpr Line endingAnchorStart = "<a name=\"Debriefing:End";
inline constexpr Line endingAnchorEnd = "\">";
inline constexpr Line endingHeaderEnd = "</a>";
inline constexpr std::array<Line, 2> endingMiddle { "</h2>", "<br>" };
inline constexpr Line descriptionStart = "<p>";
inline constexpr Line descriptionEnd = "</p>";
inline constexpr std::array<Line, 2> endingTail { "<br>", "" };
inline constexpr int endingLines = 9;
inline constexpr int objectiveLines = 4;

inline constexpr std::array<Line, 2> pageEnd { "</body>", "</html>" };

} // namespace PageLayout
