#include "editingwindow.h"
#include "markup.h"
#include "markupcommands.h"
#include "multilinetext.h"
#include "scriptedprompter.h"

#include <QTest>
#include <QTextCursor>

class TestMarkupCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markerMarkup_data();
    void markerMarkup();
    void lineBreakOnText_data();
    void lineBreakOnText();
    void appendIgnoresCaretAndSelection_data();
    void appendIgnoresCaretAndSelection();
    void insertMarkerAsksBothBoxes_data();
    void insertMarkerAsksBothBoxes();
    void commandsTouchOnlyTheirBox_data();
    void commandsTouchOnlyTheirBox();
    void crlfTextKeepsEveryBreak_data();
    void crlfTextKeepsEveryBreak();
    void textInPiecesEndsAsWhole_data();
    void textInPiecesEndsAsWhole();
    void readInPiecesAsWhole_data();
    void readInPiecesAsWhole();
};

void TestMarkupCommands::markerMarkup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("clickText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("camp marker is 36 characters")
        << "camp1"
        << "the camp" << QStringLiteral(" <a href=\"marker:camp1\">the camp</a>");
    QTest::newRow("both answers cancelled")
        << QString() << QString() << QStringLiteral(" <a href=\"marker:\"></a>");
    QTest::newRow("quotes and brackets pass unchanged")
        << "a\"b"
        << "<b>x</b> & y" << QStringLiteral(" <a href=\"marker:a\"b\"><b>x</b> & y</a>");
    QTest::newRow("blanks are kept") << "  n "
                                     << " " << QStringLiteral(" <a href=\"marker:  n \"> </a>");
}

void TestMarkupCommands::markerMarkup()
{
    QFETCH(QString, name);
    QFETCH(QString, clickText);
    QFETCH(QString, expected);
    const QString markup = ::markerMarkup(name, clickText);
    QCOMPARE(markup, expected);
    if (name == QLatin1String("camp1"))
        QCOMPARE(markup.size(), 36);
}

void TestMarkupCommands::lineBreakOnText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty box") << QString() << 1 << QStringLiteral("<br>\r\n");
    QTest::newRow("two clicks add two lines")
        << QString() << 2 << QStringLiteral("<br>\r\n<br>\r\n");
    QTest::newRow("after text without line end")
        << QStringLiteral("Go north") << 1 << QStringLiteral("Go north<br>\r\n");
    QTest::newRow("after several lines")
        << QStringLiteral("one\r\ntwo\r\n") << 1 << QStringLiteral("one\r\ntwo\r\n<br>\r\n");
    QTest::newRow("no-break space kept")
        << QStringLiteral("a\u00a0b") << 1 << QStringLiteral("a\u00a0b<br>\r\n");
    QTest::newRow("pasted line separator is a line break")
        << QStringLiteral("one\u2028two") << 1 << QStringLiteral("one\r\ntwo<br>\r\n");
    QTest::newRow("lone CR, LF, and CR before CR LF are one break each")
        << QStringLiteral("\ra\rb\nc\r\r\nd\r\n") << 1
        << QStringLiteral("\r\na\r\nb\r\nc\r\nd\r\n<br>\r\n");
}

void TestMarkupCommands::lineBreakOnText()
{
    QFETCH(QString, before);
    QFETCH(int, clicks);
    QFETCH(QString, expected);

    EditingWindow w;
    QVERIFY(w.showActive());
    setCrlfText(w.txtBriefing, before);
    w.txtMission->setFocus();
    for (int i = 0; i < clicks; ++i)
        appendLineBreak(w.txtBriefing);

    QCOMPARE(crlfText(w.txtBriefing), expected);
    const QTextCursor cursor = w.txtBriefing->textCursor();
    QVERIFY(cursor.atEnd());
    QVERIFY(!cursor.hasSelection());
    QVERIFY(w.txtBriefing->hasFocus());
}

void TestMarkupCommands::appendIgnoresCaretAndSelection_data()
{
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("appended");

    QTest::newRow("line break") << false << QStringLiteral("<br>\r\n");
    QTest::newRow("marker") << true << QStringLiteral(" <a href=\"marker:camp1\">the camp</a>");
}

void TestMarkupCommands::appendIgnoresCaretAndSelection()
{
    QFETCH(bool, marker);
    QFETCH(QString, appended);

    EditingWindow w;
    QVERIFY(w.showActive());
    const QString before = QStringLiteral("Take the bridge\r\nthen hold it");
    setCrlfText(w.txtBriefing, before);
    // Select "bridge" with the caret in the middle of the first line.
    QTextCursor cursor(w.txtBriefing->document());
    cursor.setPosition(9);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    w.txtBriefing->setTextCursor(cursor);
    QCOMPARE(w.txtBriefing->textCursor().selectedText(), QStringLiteral("bridge"));

    ScriptedPrompter prompter;
    prompter.inputAnswers << QStringLiteral("camp1") << QStringLiteral("the camp");
    if (marker)
        insertMarker(w.txtBriefing, prompter);
    else
        appendLineBreak(w.txtBriefing);

    QCOMPARE(crlfText(w.txtBriefing), before + appended);
    QVERIFY(w.txtBriefing->textCursor().atEnd());
    QVERIFY(!w.txtBriefing->textCursor().hasSelection());
    QVERIFY(w.txtBriefing->hasFocus());
}

void TestMarkupCommands::insertMarkerAsksBothBoxes_data()
{
    QTest::addColumn<QString>("nameAnswer");
    QTest::addColumn<QString>("textAnswer");
    QTest::addColumn<QString>("appended");

    QTest::newRow("both answered")
        << "camp1"
        << "the camp" << QStringLiteral(" <a href=\"marker:camp1\">the camp</a>");
    QTest::newRow("cancel in both")
        << QString() << QString() << QStringLiteral(" <a href=\"marker:\"></a>");
    QTest::newRow("cancel in the first only")
        << QString() << "here" << QStringLiteral(" <a href=\"marker:\">here</a>");
    QTest::newRow("cancel in the second only")
        << "m2" << QString() << QStringLiteral(" <a href=\"marker:m2\"></a>");
}

void TestMarkupCommands::insertMarkerAsksBothBoxes()
{
    QFETCH(QString, nameAnswer);
    QFETCH(QString, textAnswer);
    QFETCH(QString, appended);

    EditingWindow w;
    setCrlfText(w.txtHeader, QStringLiteral("Notes"));
    ScriptedPrompter prompter;
    prompter.inputAnswers << nameAnswer << textAnswer;
    insertMarker(w.txtHeader, prompter);

    QCOMPARE(prompter.shown.size(), 2);
    QCOMPARE(prompter.shown.at(0).text, QStringLiteral("What is the name of the marker?"));
    QCOMPARE(prompter.shown.at(1).text, QStringLiteral("Enter the text to click"));
    for (const ScriptedPrompter::Shown &box : std::as_const(prompter.shown)) {
        QVERIFY(box.isInput);
        QCOMPARE(box.title, QStringLiteral("Insert Marker"));
    }
    QCOMPARE(crlfText(w.txtHeader), QStringLiteral("Notes") + appended);
}

void TestMarkupCommands::commandsTouchOnlyTheirBox_data()
{
    QTest::addColumn<bool>("onNotes");
    QTest::addColumn<bool>("marker");

    QTest::newRow("notes line break") << true << false;
    QTest::newRow("notes marker") << true << true;
    QTest::newRow("briefing line break") << false << false;
    QTest::newRow("briefing marker") << false << true;
}

void TestMarkupCommands::commandsTouchOnlyTheirBox()
{
    QFETCH(bool, onNotes);
    QFETCH(bool, marker);

    EditingWindow w;
    setCrlfText(w.txtHeader, QStringLiteral("notes\r\n"));
    setCrlfText(w.txtBriefing, QStringLiteral("briefing\r\n"));
    QPlainTextEdit *target = onNotes ? w.txtHeader : w.txtBriefing;
    QPlainTextEdit *other = onNotes ? w.txtBriefing : w.txtHeader;
    const QString otherBefore = crlfText(other);
    const QString targetBefore = crlfText(target);

    ScriptedPrompter prompter;
    prompter.inputAnswers << QStringLiteral("m") << QStringLiteral("t");
    if (marker)
        insertMarker(target, prompter);
    else
        appendLineBreak(target);

    QCOMPARE(crlfText(other), otherBefore);
    QVERIFY(crlfText(target) != targetBefore);
    QVERIFY(crlfText(target).startsWith(targetBefore));
}

QTEST_MAIN(TestMarkupCommands)
void TestMarkupCommands::readInPiecesAsWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("removeAt");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("insertAt");
    QTest::addColumn<QString>("inserted");

    const QString mixed = QStringLiteral("one\ntwo\u00A0three\u2028four\n\n\U0001F600end");
    QTest::newRow("as set") << mixed << 0 << 0 << 0 << QString();
    QTest::newRow("edited out of order") << mixed << 2 << 6 << 9 << QStringLiteral("X\nY\u2029");
    QTest::newRow("empty") << QString() << 0 << 0 << 0 << QString();
    QTest::newRow("a lone surrogate last")
        << QStringLiteral("x\n") + QChar(0xD83D) << 0 << 0 << 0 << QString();
    // Long enough to go to a page from the box; pairs straddle where the
    // pieces are cut.
    QString pairs;
    for (int i = 0; i < 200000; ++i)
        pairs += i % 997 == 0 ? QStringLiteral("\n") : QStringLiteral("b\U0001F600");
    QTest::newRow("long, pairs everywhere") << pairs << 0 << 0 << 0 << QString();
    QTest::newRow("long, edited") << pairs << 70001 << 5000 << 10 << QStringLiteral("\n\n");
}

// Read a piece at a time, an edited box gives what crlfText gives, no pair
// is cut, and a long text is hashed as the record hashes it.
void TestMarkupCommands::readInPiecesAsWhole()
{
    QFETCH(QString, text);
    QFETCH(int, removeAt);
    QFETCH(int, removed);
    QFETCH(int, insertAt);
    QFETCH(QString, inserted);
    QPlainTextEdit box;
    box.setPlainText(text);
    QTextCursor cursor(box.document());
    cursor.setPosition(removeAt);
    cursor.setPosition(removeAt + removed, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setPosition(insertAt);
    cursor.insertText(inserted);

    // The raw text with each paragraph or line separator as CR LF.
    QString whole;
    for (const QChar c : box.document()->toRawText())
        whole += c == QChar::ParagraphSeparator || c == QChar::LineSeparator
            ? QStringLiteral("\r\n")
            : QString(c);
    QCOMPARE(crlfText(&box), whole);
    QString joined;
    readCrlfText(&box, [&](QStringView piece) {
        QVERIFY(joined.isEmpty()
                || !(joined.back().isHighSurrogate() && piece.front().isLowSurrogate()));
        joined += piece;
    });
    QCOMPARE(joined, whole);

    const BoxTexts boxes { { MissionField::Briefing, &box } };
    QCOMPARE(boxes.fromBox(MissionField::Briefing), whole.size() > RecordDigest::wholeTextLimit);
    QVERIFY(!boxes.fromBox(MissionField::Notes));
    if (!boxes.fromBox(MissionField::Briefing))
        return;
    QString written;
    boxes.texts().briefing([&](QStringView piece) { written += piece; });
    QCOMPARE(written, whole);
    MissionBrief record;
    record.briefingText = whole;
    QVERIFY(boxes.written(MissionBrief()).sameField(record, { MissionField::Briefing }));
    record.briefingText[3] = u'c';
    QVERIFY(!boxes.written(MissionBrief()).sameField(record, { MissionField::Briefing }));
}

#include "tst_markupcommands.moc"

void TestMarkupCommands::crlfTextKeepsEveryBreak_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("expected");

    QStringList lines;
    for (int length = 0; length <= 17; ++length)
        lines << QString(length, QChar(u'a' + length));
    QTest::newRow("lines of every length to seventeen")
        << lines.join(u'\n') << lines.join(QStringLiteral("\r\n"));
    QTest::newRow("line separators are breaks") << QString(9, u'a') + QChar::LineSeparator
            + QString(20, u'b') + u'\n'
            + QChar::LineSeparator << QString(9, u'a') + "\r\n" + QString(20, u'b') + "\r\n\r\n";
    QTest::newRow("long text without breaks") << QString(41, u'\u2027') << QString(41, u'\u2027');
}

void TestMarkupCommands::crlfTextKeepsEveryBreak()
{
    QFETCH(QString, plain);
    QFETCH(QString, expected);
    EditingWindow w;
    w.txtBriefing->setPlainText(plain);
    QCOMPARE(crlfText(w.txtBriefing), expected);
}

void TestMarkupCommands::textInPiecesEndsAsWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shared");

    const QString mixed
        = QStringLiteral("one\r\ntwo\rthree\r\r\nfour\r\r\r\n\U0001F600x\r\n\r\nend");
    QTest::newRow("breaks of every kind") << mixed << false;
    QTest::newRow("a CR before CR LF") << QStringLiteral("ab\r\r\ncd\r\r\n") << false;
    QTest::newRow("CRs only") << QString(9, u'\r') << false;
    QTest::newRow("a shared text") << mixed << true;
}

// Whatever the piece size, the box ends as a whole setCrlfText leaves it,
// and the last change it tells of shows the whole text.
void TestMarkupCommands::textInPiecesEndsAsWhole()
{
    QFETCH(QString, text);
    QFETCH(bool, shared);

    QPlainTextEdit whole;
    setCrlfText(&whole, text);
    for (qsizetype piece = 1; piece <= 6; ++piece) {
        QPlainTextEdit box;
        box.setPlainText(QStringLiteral("typed"));
        box.textCursor().insertText(QStringLiteral(" more"));
        QString seen;
        connect(&box, &QPlainTextEdit::textChanged, &box, [&] { seen = crlfText(&box); });
        QString given(text.constData(), text.size());
        const QString other = shared ? given : QString();
        setCrlfText(&box, std::move(given), piece);

        QCOMPARE(box.document()->toRawText(), whole.document()->toRawText());
        QCOMPARE(seen, crlfText(&whole));
        QCOMPARE(box.blockCount(), whole.blockCount());
        QCOMPARE(box.textCursor().position(), 0);
        QVERIFY(!box.textCursor().hasSelection());
        QVERIFY(!box.document()->isModified());
        QVERIFY(!box.document()->isUndoAvailable());
        QVERIFY(!box.document()->isRedoAvailable());
        QVERIFY(box.document()->isUndoRedoEnabled());
    }
}
