#include "missiondocument.h"
#include "pagerecords.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// One thing the window does to the document: an edit it reports, an edit it
// does not, a write or an open of fullRecord().
struct Step
{
    enum Kind { Edit, Unreported, Write, Open } kind;
    FieldRef field {};
    QString value {};
};

void setField(MissionBrief &brief, FieldRef field, const QString &value)
{
    switch (field.field) {
    case MissionField::MissionName:
        brief.missionName = value;
        break;
    case MissionField::Briefing:
        brief.briefingText = value;
        break;
    case MissionField::Objective:
        brief.objectives.append(value);
        brief.objectiveCount = QString::number(brief.objectives.size());
        break;
    case MissionField::EndDescription:
        brief.endings.at(std::size_t(field.index - 1)).description = value;
        break;
    default:
        qFatal("no test setter for this field");
    }
}

} // namespace

class tst_MissionDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsSinceWriteOrOpen_data();
    void editsSinceWriteOrOpen();
    void digestDoesNotDependOnPieces_data();
    void digestDoesNotDependOnPieces();
};

void tst_MissionDocument::editsSinceWriteOrOpen_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<bool>("unwritten");
    QTest::addColumn<QList<FieldRef>>("edited");
    QTest::addColumn<QList<bool>>("editedSignals");

    const FieldRef name { MissionField::MissionName }, briefing { MissionField::Briefing },
        objective { MissionField::Objective }, end2 { MissionField::EndDescription, 2 },
        end3 { MissionField::EndDescription, 3 };
    const Step write { Step::Write }, open { Step::Open };

    QTest::newRow("nothing edited")
        << QList<Step> {} << false << QList<FieldRef> {} << QList<bool> {};
    QTest::newRow("name typed") << QList<Step> { { Step::Edit, name, "Raid" } } << true
                                << QList<FieldRef> { name } << QList<bool> { true };
    QTest::newRow("name typed and taken back")
        << QList<Step> { { Step::Edit, name, "Raid" }, { Step::Edit, name, "" } } << false
        << QList<FieldRef> { name } << QList<bool> { true };
    QTest::newRow("edits listed in the window's order")
        << QList<Step> { { Step::Edit, end3, "x" },
                         { Step::Edit, briefing, "b" },
                         { Step::Edit, name, "n" } }
        << true << QList<FieldRef> { name, briefing, end3 } << QList<bool> { true };
    QTest::newRow("an ending is compared by its number")
        << QList<Step> { { Step::Edit, end2, "End 3 Description" } } << true
        << QList<FieldRef> { end2 } << QList<bool> { true };
    QTest::newRow("objective added")
        << QList<Step> { { Step::Edit, { objective.field, 1 }, "Go" } } << true
        << QList<FieldRef> { objective } << QList<bool> { true };
    QTest::newRow("only reported edits are read")
        << QList<Step> { { Step::Unreported, name, "Raid" } } << false << QList<FieldRef> {}
        << QList<bool> {};
    QTest::newRow("written after edits")
        << QList<Step> { { Step::Edit, name, "Raid" }, write } << false << QList<FieldRef> {}
        << QList<bool> { true, false };
    QTest::newRow("an edit after a write is compared with the written")
        << QList<Step> { { Step::Edit, name, "Raid" }, write, { Step::Edit, name, "" } } << true
        << QList<FieldRef> { name } << QList<bool> { true, false, true };
    QTest::newRow("opened, then a field back at its starting value")
        << QList<Step> { open, { Step::Edit, name, "" } } << true << QList<FieldRef> { name }
        << QList<bool> { true };
    // A text over the limit is kept as its length and hash.
    const QString longText(RecordDigest::wholeTextLimit + 1, u'a');
    const QString longChanged
        = QString(longText).replace(RecordDigest::wholeTextLimit / 2, 1, u'b');
    for (const FieldRef field : { briefing, end2 }) {
        const QList<Step> written { { Step::Edit, field, longText }, write };
        QTest::addRow("a long text written, then one character changed, field %d", int(field.field))
            << (written + QList<Step> { { Step::Edit, field, longChanged } }) << true
            << QList<FieldRef> { field } << QList<bool> { true, false, true };
        QTest::addRow("a long text written, then made again, field %d", int(field.field))
            << (written
                + QList<Step> { { Step::Edit, field, "" }, { Step::Edit, field, longText } })
            << false << QList<FieldRef> { field } << QList<bool> { true, false, true };
    }
}

void tst_MissionDocument::editsSinceWriteOrOpen()
{
    QFETCH(QList<Step>, steps);
    QFETCH(bool, unwritten);
    QFETCH(QList<FieldRef>, edited);
    QFETCH(QList<bool>, editedSignals);

    const MissionBrief start;
    MissionBrief window = start, record = start;
    int reads = 0;
    // Reading a field may bring others along; only the field asked for counts.
    MissionDocument document([&](FieldRef, MissionBrief &brief) {
        ++reads;
        brief = window;
    });
    document.started(start);
    QSignalSpy spy(&document, &MissionDocument::editedChanged);

    for (const Step &step : steps) {
        if (step.kind == Step::Open)
            window = fullRecord();
        else if (step.kind != Step::Write)
            setField(window, step.field, step.value);
        if (step.kind == Step::Edit)
            document.fieldEdited(step.field);
        else if (step.kind == Step::Write)
            document.written(RecordDigest(record = window));
        else if (step.kind == Step::Open)
            document.opened(RecordDigest(record = window));
    }

    QCOMPARE(document.isUnwritten(), unwritten);
    QCOMPARE(document.editedFields(), edited);
    QVERIFY(reads <= edited.size());
    QList<bool> shown;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        shown.append(arguments.first().toBool());
    QCOMPARE(shown, editedSignals);
    QCOMPARE(document.start(), start);
    QVERIFY(document.record().sameRecord(record));
}

void tst_MissionDocument::digestDoesNotDependOnPieces_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<qsizetype>("piece");

    for (const qsizetype length : { 0, 9, 32767, 32768, 100003 }) {
        for (const qsizetype piece : { 1, 7, 32768, 40000 })
            QTest::addRow("%lld characters in pieces of %lld", qlonglong(length), qlonglong(piece))
                << length << piece;
    }
}

// However a text is cut, its digest is that of the whole text, and a text
// differing in one character has another.
void tst_MissionDocument::digestDoesNotDependOnPieces()
{
    QFETCH(qsizetype, length);
    QFETCH(qsizetype, piece);
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(char16_t(u'a' + i % 23));
    TextHasher hasher;
    for (qsizetype at = 0; at < length; at += piece)
        hasher.add(QStringView(text).sliced(at, qMin(piece, length - at)));
    QCOMPARE(hasher.digest(), TextHasher::digestOf(text));
    QCOMPARE(hasher.digest().size, length);
    if (length > 0) {
        text[length / 2] = u'#';
        QVERIFY(!(TextHasher::digestOf(text) == hasher.digest()));
    }
}

QTEST_GUILESS_MAIN(tst_MissionDocument)
#include "tst_missiondocument.moc"
