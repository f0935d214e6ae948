#pragma once

#include <QByteArray>
#include <QString>
#include <QTextDocument>

#include <memory>

class QFont;

// The page as the preview shows it. Its pictures come only through the
// bounded picture loader; stylesheets and anything else a page names are
// never read.
class PreviewDocument : public QTextDocument
{
    Q_OBJECT
public:
    explicit PreviewDocument(const QString &pageFolder, QObject *parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString m_folder;
};

// How far the displayed copy of a page may go before it stops being cheap to
// lay out: nested tables cost twice per level, long pages in proportion.
struct DisplayLimits
{
    qsizetype maxChars = 256 * 1024;
    int maxTableDepth = 4;
    int maxListDepth = 8;
    int maxTags = 20'000;
};

// The displayed copy's text: the page's bytes decoded, objectives' empty
// anchors left out, nesting beyond the limits dropped and, for a long page,
// only its beginning. A mark stands at the start of `targetLine`.
struct DisplayedText
{
    QString html;
    bool cut = false; // only the beginning is shown
    bool tooComplex = false; // more markup than the preview lays out in time
};
inline constexpr char16_t targetMark = u'\uE000';
[[nodiscard]] DisplayedText displayedText(const QByteArray &bytes, int targetLine,
                                          const DisplayLimits &limits = {});

struct BuiltPage
{
    std::unique_ptr<PreviewDocument> document;
    int targetPosition = -1; // where the target line starts in the document
    bool cut = false;
    bool tooComplex = false;
};

// Builds the document shown for a page; any thread. Each line break becomes a
// paragraph of its own without margins, so the layout comes in small steps.
[[nodiscard]] BuiltPage buildPreviewDocument(const QByteArray &bytes, const QString &pageFolder,
                                             int targetLine, const QFont &font,
                                             const DisplayLimits &limits = {});
