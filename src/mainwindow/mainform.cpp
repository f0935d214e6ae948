#include "mainform.h"

#include "builtinpictures.h"
#include "clickablelabel.h"
#include "controls.h"
#include "drivelist.h"
#include "filelist.h"
#include "folderlist.h"
#include "imagebox.h"
#include "missionfolder.h"
#include "twips.h"
#include "uniformrows.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// How far the rows of a tab page's table move up to sit on the page under
// Qt's tab bar: the tab strip of the classic container was part of the
// coordinates, here it is not.
constexpr int mainTabShift = 345;
constexpr int pictureTabShift = 315;
constexpr int endingTabShift = 345;

QFont tahoma(double pointSize, bool bold = false)
{
    return namedFont(QStringLiteral("Tahoma"), pointSize, bold ? QFont::Bold : QFont::Normal);
}

QFont arialNarrow(double pointSize)
{
    return namedFont(QStringLiteral("Arial Narrow"), pointSize);
}

QFont newsGothic(double pointSize, bool bold = false)
{
    return namedFont(QStringLiteral("News Gothic MT"), pointSize,
                     bold ? QFont::Bold : QFont::Normal);
}

QLabel *transparentLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QLineEdit *lineEdit(const QString &text, const char *name, QWidget *parent)
{
    auto *box = named(new QLineEdit(text, parent), name);
    box->setMaxLength(maxFieldLength);
    return box;
}

QPlainTextEdit *multiLine(const char *name, QWidget *parent)
{
    auto *box = named(new QPlainTextEdit(parent), name);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(arialNarrow(12));
    return box;
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = named(new QPushButton(caption, parent), name);
    // Outside a dialog a focused button ignores Enter unless it is auto-default.
    b->setAutoDefault(true);
    return b;
}

// The classic tab strips were lower and their tabs narrower than Qt's; the
// pages and the six ending tabs only fit with tabs of that size.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabVSpace)
            return 6;
        if (metric == PM_TabBarTabHSpace)
            return 16;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// All tabs stand in one row, with no scroll arrows to step through.
QTabWidget *tabWidget(const char *name, QWidget *parent, QStyle *tabStyle)
{
    auto *tabs = named(new QTabWidget(parent), name);
    tabs->setUsesScrollButtons(false);
    tabs->tabBar()->setStyle(tabStyle);
    tabs->tabBar()->setFont(tahoma(9.75));
    return tabs;
}

QWidget *tabPage(QTabWidget *tabs, const QString &caption)
{
    auto *page = new QWidget;
    tabs->addTab(page, caption);
    return page;
}

} // namespace

QStringList MainForm::pictures()
{
    return QStringList { QStringLiteral(":/icons/quillmark-32.png"),
                         QStringLiteral(":/icons/scroll.png") }
    + FolderList::pictures();
}

void MainForm::setupForm(QWidget *client)
{
    m_tabStyle = new CompactTabStyle;
    m_tabStyle->setParent(client);
    Label1
        = named(new QLabel(QCoreApplication::translate("frmMain", "Varnholt"), client), "Label1");
    Label1->setFont(tahoma(18, true));
    Label2
        = named(new QLabel(QCoreApplication::translate("frmMain", "Quillmark"), client), "Label2");
    Label2->setFont(tahoma(12, true));
    for (QLabel *label : { Label1, Label2 }) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAttribute(Qt::WA_TranslucentBackground);
    }

    Image1 = named(new ImageBox(client), "Image1");
    Image1->setStretch(true);
    Image1->setImage(builtInPicture(QStringLiteral(":/icons/quillmark-32.png")));
    Image2 = named(new ImageBox(client), "Image2");
    Image2->setStretch(true);
    Image2->setImage(builtInPicture(QStringLiteral(":/icons/scroll.png")));

    SSTab1 = tabWidget("SSTab1", client, m_tabStyle);
    QWidget *overview = tabPage(SSTab1, QCoreApplication::translate("frmMain", "Overview"));
    QWidget *briefing = tabPage(SSTab1, QCoreApplication::translate("frmMain", "Briefing"));

    cmdClear = button(QCoreApplication::translate("frmMain", "Clear All"), "cmdClear", client);
    describe(cmdClear, {}, QCoreApplication::translate("frmMain", "Clear ALL fields"));
    cmdMake = button(QCoreApplication::translate("frmMain", "Create Files"), "cmdMake", client);
    describe(cmdMake, {}, QCoreApplication::translate("frmMain", "Create files"));
    cmdMake->setDefault(true);

    Text1 = lineEdit({}, "Text1", client);
    describe(Text1, QCoreApplication::translate("frmMain", "Picture Source"));

    Twips::place({
        { Label1, 487, 0, 4560, 435 },
        { Label2, 487, 360, 4560, 285 },
        { Image1, 120, 90, 480, 480 },
        { Image2, 4875, 90, 480, 435 },
        { SSTab1, 120, 720, 5295, 6660 },
        { cmdClear, 660, 7485, 1455, 375 },
        { cmdMake, 3420, 7485, 1455, 375 },
        { Text1, 6360, 240, 735, 375 },
    });

    buildOverviewTab(overview);
    buildBriefingTab(briefing);
}

void MainForm::buildOverviewTab(QWidget *page)
{
    fraMissionName
        = named(new QGroupBox(QCoreApplication::translate("frmMain", "Mission Name"), page),
                "fraMissionName");
    txtMission = lineEdit({}, "txtMission", fraMissionName);
    txtMission->setFont(arialNarrow(12));
    describe(txtMission, QCoreApplication::translate("frmMain", "Mission Name"),
             QCoreApplication::translate("frmMain", "Enter the mission name"));

    fraOverview = named(new QGroupBox(QCoreApplication::translate("frmMain", "Overview"), page),
                        "fraOverview");
    txtOverview = multiLine("txtOverview", fraOverview);
    describe(txtOverview, QCoreApplication::translate("frmMain", "Overview Text"),
             QCoreApplication::translate("frmMain", "Give brief description of mission"));

    fraSave = named(new QGroupBox(QCoreApplication::translate("frmMain", "Save to..."), page),
                    "fraSave");
    txtDirectory = lineEdit({}, "txtDirectory", fraSave);
    txtDirectory->setFont(arialNarrow(12));
    describe(txtDirectory, QCoreApplication::translate("frmMain", "Save Folder"));
    Drive1 = named(new DriveList(fraSave), "Drive1");
    describe(Drive1, QCoreApplication::translate("frmMain", "Drive"));
    Dir1 = named(new FolderList(fraSave), "Dir1");
    describe(Dir1, QCoreApplication::translate("frmMain", "Save Folder List"));

    fraPicture = named(new QGroupBox(QCoreApplication::translate("frmMain", "Picture"), page),
                       "fraPicture");
    SSTab3 = tabWidget("SSTab3", fraPicture, m_tabStyle);

    Label15 = named(new ClickableLabel(QCoreApplication::translate("frmMain", "About"), page),
                    "Label15");
    Label15->setFont(newsGothic(12, true));
    Label15->setAlignment(Qt::AlignCenter);
    Label15->setFrameShape(QFrame::Box);
    Label15->setBackgroundRole(QPalette::ToolTipBase);
    Label15->setForegroundRole(QPalette::ToolTipText);
    Label15->setAutoFillBackground(true);

    Twips::place(
        {
            { fraMissionName, 120, 360, 5055, 765 },
            { fraOverview, 120, 1155, 5055, 1365 },
            { fraSave, 120, 2520, 5055, 1785 },
            { fraPicture, 135, 4320, 5055, 1860 },
            { Label15, 135, 6240, 5040, 330 },
        },
        mainTabShift);
    Twips::place({
        { txtMission, 120, 240, 4815, 420 },
        { txtOverview, 120, 240, 4815, 1020 },
        { txtDirectory, 105, 300, 4815, 360 },
        { Drive1, 120, 645, 4815, 315 },
        { Dir1, 120, 960, 4815, 765 },
        { SSTab3, 120, 240, 4815, 1575 },
    });

    buildPictureTabs();
}

void MainForm::buildPictureTabs()
{
    QWidget *source = tabPage(SSTab3, QCoreApplication::translate("frmMain", "Picture Source"));
    QWidget *properties
        = tabPage(SSTab3, QCoreApplication::translate("frmMain", "Picture Properites"));

    Dir2 = named(new FolderList(source), "Dir2");
    describe(Dir2, QCoreApplication::translate("frmMain", "Picture Folder List"));
    File1 = named(new FileList(source), "File1");
    describe(File1, QCoreApplication::translate("frmMain", "Picture Files"));

    fraPreview = named(
        new QGroupBox(QCoreApplication::translate("frmMain", "Picture Preview"), properties),
        "fraPreview");
    imgPicPreview = named(new ImageBox(fraPreview), "imgPicPreview");
    imgPicPreview->setStretch(true);
    imgPicPreview->setBorder(true);
    describe(imgPicPreview, QCoreApplication::translate("frmMain", "Picture Preview"));

    fraPicprop = named(
        new QGroupBox(QCoreApplication::translate("frmMain", "Picture Properties"), properties),
        "fraPicprop");
    Label20
        = transparentLabel(QCoreApplication::translate("frmMain", "Width:"), "Label20", fraPicprop);
    txtPicWidth = lineEdit({}, "txtPicWidth", fraPicprop);
    txtPicWidth->setMaxLength(4);
    describe(txtPicWidth, QCoreApplication::translate("frmMain", "Picture Width"));
    Label19 = transparentLabel(QCoreApplication::translate("frmMain", "Height:"), "Label19",
                               fraPicprop);
    txtPicHeight = lineEdit({}, "txtPicHeight", fraPicprop);
    txtPicHeight->setMaxLength(4);
    describe(txtPicHeight, QCoreApplication::translate("frmMain", "Picture Height"));

    lblWarning
        = named(new ClickableLabel(QCoreApplication::translate("frmMain", "Warning!"), fraPicprop),
                "lblWarning");
    lblWarning->setFont(namedFont(QStringLiteral("Arial"), 8.25, QFont::Bold));
    lblWarning->setAlignment(Qt::AlignCenter);
    lblWarning->setAutoFillBackground(true);
    QPalette warning = lblWarning->palette();
    warning.setColor(QPalette::Window, Qt::black);
    warning.setColor(QPalette::WindowText, Qt::red);
    lblWarning->setPalette(warning);
    lblWarning->hide();

    Label21
        = transparentLabel(QCoreApplication::translate("frmMain", "Size:"), "Label21", fraPicprop);
    lblPicWidth = named(new QLabel(fraPicprop), "lblPicWidth");
    Label23 = transparentLabel(QCoreApplication::translate("frmMain", "x"), "Label23", fraPicprop);
    lblPicHeight = transparentLabel({}, "lblPicHeight", fraPicprop);

    Twips::place(
        {
            { Dir2, 90, 390, 3030, 990 },
            { File1, 3135, 405, 1590, 1005 },
            { fraPreview, 2415, 330, 2295, 1155 },
            { fraPicprop, 120, 360, 2205, 1095 },
        },
        pictureTabShift);
    Twips::place({
        { imgPicPreview, 75, 195, 2155, 915 },
        { Label20, 150, 240, 465, 195 },
        { txtPicWidth, 825, 225, 1245, 285 },
        { Label19, 150, 585, 510, 195 },
        { txtPicHeight, 840, 540, 1230, 285 },
        { lblWarning, 30, 855, 780, 210 },
        { Label21, 825, 855, 345, 195 },
        { lblPicWidth, 1215, 855, 270, 195 },
        { Label23, 1605, 855, 75, 195 },
        { lblPicHeight, 1695, 855, 180, 195 },
    });
}

void MainForm::buildBriefingTab(QWidget *page)
{
    fraHeader = named(new QGroupBox(QCoreApplication::translate("frmMain", "Mission Notes"), page),
                      "fraHeader");
    txtHeader = multiLine("txtHeader", fraHeader);
    describe(txtHeader, QCoreApplication::translate("frmMain", "Mission Notes Text"),
             QCoreApplication::translate("frmMain", "Handwritten mission notes"));
    Command4
        = button(QCoreApplication::translate("frmMain", "Add Linebreak"), "Command4", fraHeader);
    Command5
        = button(QCoreApplication::translate("frmMain", "Insert Marker"), "Command5", fraHeader);

    fraBreifing
        = named(new QGroupBox(QCoreApplication::translate("frmMain", "Mission Briefing"), page),
                "fraBreifing");
    txtBriefing = multiLine("txtBriefing", fraBreifing);
    describe(txtBriefing, QCoreApplication::translate("frmMain", "Mission Briefing Text"),
             QCoreApplication::translate("frmMain", "Briefing on the mission"));
    Command1
        = button(QCoreApplication::translate("frmMain", "Add Linebreak"), "Command1", fraBreifing);
    Command3
        = button(QCoreApplication::translate("frmMain", "Insert Marker"), "Command3", fraBreifing);
    for (QPushButton *b : { Command4, Command5, Command1, Command3 })
        b->setFont(newsGothic(8.25));

    fraObjectives = named(new QGroupBox(QCoreApplication::translate("frmMain", "Objectives"), page),
                          "fraObjectives");
    txtObjective = lineEdit({}, "txtObjective", fraObjectives);
    txtObjective->setFont(arialNarrow(12));
    describe(txtObjective, QCoreApplication::translate("frmMain", "New Objective"),
             QCoreApplication::translate("frmMain", "Objective to add to the mission"));
    Command2 = button(QCoreApplication::translate("frmMain", "Add Objective"), "Command2",
                      fraObjectives);
    describe(Command2, {}, QCoreApplication::translate("frmMain", "Add the current objective"));
    Command7 = button(QCoreApplication::translate("frmMain", "Edit Objective"), "Command7",
                      fraObjectives);
    Command6 = button(QCoreApplication::translate("frmMain", "Clear Objectives"), "Command6",
                      fraObjectives);
    for (QPushButton *b : { Command2, Command7, Command6 })
        b->setFont(newsGothic(9));
    List1 = named(new QListWidget(fraObjectives), "List1");
    List1->setFont(arialNarrow(9.75));
    UniformRows::install(List1);
    describe(List1, QCoreApplication::translate("frmMain", "Objectives List"),
             QCoreApplication::translate("frmMain",
                                         "List of current missions.  Double click to remove"));
    Label17 = transparentLabel(QCoreApplication::translate("frmMain", "Total Objectives:"),
                               "Label17", fraObjectives);
    Label17->setFont(tahoma(9.75));
    Label16 = named(new QLabel(fraObjectives), "Label16");
    Label16->setFont(tahoma(9.75));

    SSTab2 = tabWidget("SSTab2", page, m_tabStyle);

    Twips::place(
        {
            { fraHeader, 120, 360, 5055, 1725 },
            { fraBreifing, 120, 2085, 5040, 1695 },
            { fraObjectives, 120, 3795, 5055, 1710 },
            { SSTab2, 120, 5520, 5055, 1095 },
        },
        mainTabShift);
    Twips::place({
        { txtHeader, 120, 240, 4815, 1020 },
        { Command4, 480, 1290, 1830, 330 },
        { Command5, 2760, 1305, 1815, 330 },
        { txtBriefing, 120, 240, 4815, 1020 },
        { Command1, 480, 1305, 1830, 315 },
        { Command3, 2760, 1305, 1815, 315 },
        { txtObjective, 120, 240, 4815, 360 },
        { Command2, 120, 675, 1575, 255 },
        { Command7, 120, 915, 1575, 255 },
        { Command6, 120, 1155, 1575, 255 },
        { List1, 1875, 645, 3060, 990 },
        { Label17, 30, 1395, 1455, 240 },
        { Label16, 1560, 1395, 105, 240 },
    });

    buildEndingTabs();
}

void MainForm::buildEndingTabs()
{
    for (int i = 0; i < 6; ++i) {
        const QString n = QString::number(i + 1);
        QWidget *page = tabPage(SSTab2, QCoreApplication::translate("frmMain", "End %1").arg(n));
        auto *headerLabel
            = transparentLabel(QCoreApplication::translate("frmMain", "Header:"), "", page);
        headerLabel->setObjectName(QStringLiteral("Label%1").arg(3 + 2 * i));
        auto *header = lineEdit({}, "", page);
        header->setObjectName(QStringLiteral("txtEnd%1Header").arg(n));
        describe(header, QCoreApplication::translate("frmMain", "End %1 Header").arg(n));
        auto *bodyLabel
            = transparentLabel(QCoreApplication::translate("frmMain", "Description:"), "", page);
        bodyLabel->setObjectName(QStringLiteral("Label%1").arg(4 + 2 * i));
        auto *body = lineEdit({}, "", page);
        body->setObjectName(QStringLiteral("txtEnd%1Body").arg(n));
        describe(body, QCoreApplication::translate("frmMain", "End %1 Description").arg(n));
        Twips::place(
            {
                { headerLabel, 120, 360, 615, 255 },
                { header, 720, 360, 4215, 285 },
                { bodyLabel, 120, 720, 855, 255 },
                { body, 960, 720, 3975, 285 },
            },
            endingTabShift);
        txtEndHeader[i] = header;
        txtEndBody[i] = body;
    }
}
