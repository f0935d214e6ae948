#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Something in a text's markup that the game's page viewer will not show as
// the user meant it. Only the tags that change how the text after them looks
// are paired; void and unknown tags (<br>, <hr>, <img>) stand alone.
struct MarkupProblem
{
    enum class Kind {
        NeverClosed, // an opening tag without its closing tag
        NeverOpened, // a closing tag without its opening tag
        UnfinishedTag, // a "<" that starts a tag and no ">" ends it
        UnnamedMarker, // <a href="marker:">, as Insert Marker writes on Cancel
    };

    Kind kind = Kind::NeverClosed;
    QString tag; // the lower-case tag name; for UnfinishedTag the text that starts it
    // The characters of the text at fault: the tag left open or closed
    // without an opening, the marker link's opening tag, the unfinished "<".
    qsizetype from = 0;
    qsizetype to = 0;

    bool operator==(const MarkupProblem &) const = default;
};

// Each problem once per text: all tags that are never closed or never opened,
// in the order of the paired tags above, then an unnamed marker, then the
// first unfinished tag (everything after it belongs to that tag). A closing
// tag closes the latest open one of its name, so the range of a tag never
// closed is the first of its name left open; that of a tag never opened is
// its first stray closing tag.
[[nodiscard]] QList<MarkupProblem> markupProblems(QStringView text);
