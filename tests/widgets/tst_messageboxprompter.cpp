#include "messageboxprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using Button = Prompter::Button;
using Buttons = Prompter::Buttons;
using Icon = Prompter::Icon;

namespace {

// Runs `act` on the modal box once it is up; the box is answered from there.
void whenBoxShows(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(box);
        }
    });
    timer->start();
}

} // namespace

class tst_MessageBoxPrompter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBox_data();
    void messageBox();
    void inputBox_data();
    void inputBox();
    void boxSitsOverTheMainWindow();
};

void tst_MessageBoxPrompter::messageBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QMessageBox::Icon>("boxIcon");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");

    QTest::newRow("error box, Enter")
        << "Please Enter Mission Name." << int(Icon::Critical) << int(Buttons::Ok)
        << int(Button::Ok) << "Please Enter Mission Name." << QMessageBox::Critical
        << QStringList { "OK" } << int(Qt::Key_Return) << int(Button::Ok);
    QTest::newRow("question, lone CR breaks the line, Enter takes Yes")
        << "You haven't entered any mission objectives\rAre you sure you want to continue?"
        << int(Icon::Question) << int(Buttons::YesNo) << int(Button::Yes)
        << "You haven't entered any mission objectives\nAre you sure you want to continue?"
        << QMessageBox::Question << QStringList { "Yes", "No" } << int(Qt::Key_Return)
        << int(Button::Yes);
    QTest::newRow("question with No as default, Enter")
        << "Clear?" << int(Icon::Question) << int(Buttons::YesNo) << int(Button::No) << "Clear?"
        << QMessageBox::Question << QStringList { "Yes", "No" } << int(Qt::Key_Return)
        << int(Button::No);
    QTest::newRow("question closed with Esc answers No")
        << "Go?" << int(Icon::Question) << int(Buttons::YesNo) << int(Button::Yes) << "Go?"
        << QMessageBox::Question << QStringList { "Yes", "No" } << int(Qt::Key_Escape)
        << int(Button::No);
    QTest::newRow("markup shown as typed, CR LF one break")
        << "<b>Files</b>\r\nCreated!" << int(Icon::Information) << int(Buttons::Ok)
        << int(Button::Ok) << "<b>Files</b>\nCreated!" << QMessageBox::Information
        << QStringList { "OK" } << int(Qt::Key_Escape) << int(Button::Ok);
}

void tst_MessageBoxPrompter::messageBox()
{
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, defaultButton);
    QFETCH(QString, shownText);
    QFETCH(QMessageBox::Icon, boxIcon);
    QFETCH(QStringList, captions);
    QFETCH(int, key);
    QFETCH(int, answer);

    QMessageBox *seen = nullptr;
    QString seenTitle, seenText;
    QStringList seenCaptions;
    Qt::TextFormat seenFormat = Qt::AutoText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    whenBoxShows([&](QWidget *widget) {
        seen = qobject_cast<QMessageBox *>(widget);
        if (seen) {
            seenTitle = seen->windowTitle();
            seenText = seen->text();
            seenFormat = seen->textFormat();
            seenIcon = seen->icon();
            for (QAbstractButton *b : seen->buttons())
                seenCaptions.append(b->text().remove(QLatin1Char('&')));
            seenCaptions.sort();
        }
        QTest::keyClick(widget, Qt::Key(key));
    });

    MessageBoxPrompter prompter;
    const Button pressed = static_cast<Prompter &>(prompter).message(
        text, QStringLiteral("Title"), Icon(icon), Buttons(buttons), Button(defaultButton));

    QVERIFY(seen);
    QCOMPARE(seenTitle, QStringLiteral("Title"));
    QCOMPARE(seenText, shownText);
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(seenIcon, boxIcon);
    captions.sort();
    QCOMPARE(seenCaptions, captions);
    QCOMPARE(int(pressed), answer);
}

void tst_MessageBoxPrompter::inputBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("isNull");

    QTest::newRow("typed text, OK") << "Alpha" << int(Qt::Key_Return) << "Alpha" << false;
    QTest::newRow("typed text, Cancel") << "Alpha" << int(Qt::Key_Escape) << "" << true;
}

void tst_MessageBoxPrompter::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, answer);
    QFETCH(bool, isNull);

    QString seenTitle;
    QString seenPrompt;
    QString startingText = QStringLiteral("<not shown>");
    whenBoxShows([&](QWidget *widget) {
        auto *dialog = qobject_cast<QInputDialog *>(widget);
        if (dialog) {
            seenTitle = dialog->windowTitle();
            seenPrompt = dialog->labelText();
            startingText = dialog->textValue();
        }
        auto *entry = widget->findChild<QLineEdit *>();
        QTest::keyClicks(entry, typed);
        QTest::keyClick(entry, Qt::Key(key));
    });

    MessageBoxPrompter prompter;
    const QString result
        = prompter.input(QStringLiteral("Marker name\rplease"), QStringLiteral("Marker"));

    QCOMPARE(seenTitle, QStringLiteral("Marker"));
    QCOMPARE(seenPrompt, QStringLiteral("Marker name\nplease"));
    QCOMPARE(startingText, QString());
    QCOMPARE(result, answer);
    QCOMPARE(result.isNull(), isNull);
}

void tst_MessageBoxPrompter::boxSitsOverTheMainWindow()
{
    QWidget mainWindow, other;
    mainWindow.show();
    other.show();
    QApplication::setActiveWindow(&other);
    QWidget *parent = nullptr;
    whenBoxShows([&](QWidget *box) {
        parent = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    MessageBoxPrompter prompter;
    prompter.setParentWindow(&mainWindow);
    static_cast<Prompter &>(prompter).message(QStringLiteral("Files Created!"), QString(),
                                              Icon::Information);
    QCOMPARE(parent, &mainWindow);
}

QTEST_MAIN(tst_MessageBoxPrompter)
#include "tst_messageboxprompter.moc"
