// Tabs, toolbar and pages of the main window: the toolbar sets and tooltips, the ShowPage
// table, RaiseTab, the timer's pictures, the title-bar buttons and the About page.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"

#include <QLabel>
#include <QtTest>

using namespace orlavine;

class TestNavigation : public QObject {
    Q_OBJECT

  private slots:
    void toolBarFollowsTheTab();
    void showPage_data();
    void showPage();
    void raiseTab();
    void tabCaptionClickSelectsTheTab();
    void tickPictures();
    void pressedPictureFollowsThePointer();
    void titleBarHoverOnlyWhileActive();
    void minimiseAndClose();
    void aboutPage();
};

namespace {

QString PictureOf(const MainWindowFixture& f, const char* name)
{
    return f.child<PictureButton>(name)->picture();
}

QPoint Over(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

} // namespace

void TestNavigation::toolBarFollowsTheTab()
{
    MainWindowFixture f;
    f.start();
    const auto check = [&](const QStringList& captions, const QStringList& tips) {
        f.window->Timer1Tick(QPoint(-1, -1));
        for (int n = 1; n <= 4; ++n) {
            const QString button = QStringLiteral("ToolBar0%1").arg(n);
            const QString label = QStringLiteral("lblTB0%1").arg(n);
            if (captions[n - 1].isEmpty()) {
                QVERIFY(Child(f.window.get(), button)->isHidden());
                continue;
            }
            QVERIFY(!Child(f.window.get(), button)->isHidden());
            QCOMPARE(Child<QLabel>(f.window.get(), label)->text(), captions[n - 1]);
            QCOMPARE(Child(f.window.get(), button)->toolTip(), tips[n - 1]);
            QCOMPARE(Child(f.window.get(), label)->toolTip(), tips[n - 1]);
        }
    };
    const QStringList moduleCaptions = {"Home", "Report", "Print", "Close"};
    const QStringList moduleTips = {"Load Home page", "Load Report card", "Print results",
                                    "Close program"};
    check(moduleCaptions, moduleTips);
    QCOMPARE(PictureOf(f, "ToolBar02"), QStringLiteral("report_off.bmp"));

    f.window->TabClick(4);
    check({"About", "Trash", "", "Setup"},
          {"About Orlavine", "Trash past results", "", "Printer Setup"});
    QCOMPARE(PictureOf(f, "ToolBar04"), QStringLiteral("setup_off.bmp"));
    QCOMPARE(Frontmost(f.window.get(), {"Body_Home", "Body_About", "Body_Trash"}),
             QStringLiteral("Body_About"));
    QCOMPARE(f.field("LChose"), QStringLiteral("1"));

    // Back on a module tab: the first set, the module's home page at topic 1.
    Child<ClickLabel>(f.window.get(), "Topic2")->clicked();
    f.window->TabClick(3);
    check(moduleCaptions, moduleTips);
    QCOMPARE(f.field("LChose"), QStringLiteral("3"));
    QCOMPARE(f.field("TopicCount"), QStringLiteral("1"));
    QCOMPARE(f.field("txtReportPos"), QStringLiteral("1"));
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Odds"));
    QCOMPARE(Frontmost(f.window.get(), {"Body_Home", "Body_About", "Body_Trash"}),
             QStringLiteral("Body_Home"));
}

void TestNavigation::showPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("hook");
    QTest::newRow("module, Home") << 2 << 1 << "Body_Home"
                                  << "";
    QTest::newRow("module, Report") << 2 << 2 << "Body_About"
                                    << "report";
    QTest::newRow("module, Print") << 1 << 3 << "Body_About"
                                   << "print";
    QTest::newRow("module, Close") << 3 << 4 << "Body_About"
                                   << "close practice";
    QTest::newRow("Help, About") << 4 << 1 << "Body_About"
                                 << "";
    QTest::newRow("Help, Trash") << 4 << 2 << "Body_Trash"
                                 << "";
    QTest::newRow("Help, hidden position") << 4 << 3 << "Body_About"
                                           << "";
    QTest::newRow("Help, Setup") << 4 << 4 << "Body_About"
                                 << "setup";
}

void TestNavigation::showPage()
{
    QFETCH(int, tab);
    QFETCH(int, position);
    QFETCH(QString, front);
    QFETCH(QString, hook);
    MainWindowFixture f;
    f.start();
    QStringList calls;
    ContentsHooks& hooks = f.window->hooks();
    hooks.showReport = [&] { calls << QStringLiteral("report"); };
    hooks.printResultsCard = [&] { calls << QStringLiteral("print"); };
    hooks.printSetup = [&] { calls << QStringLiteral("setup"); };
    hooks.closePracticeWindows = [&] { calls << QStringLiteral("close practice"); };
    f.show();
    f.window->TabClick(4); // the About page in front before the action
    f.window->state().setValue("txtTabPos", QString::number(tab));
    f.window->state().setValue("LChose", QString::number(tab == 4 ? 1 : tab));
    f.window->ToolBarClick(position);
    QCOMPARE(Frontmost(f.window.get(), {"Body_Home", "Body_About", "Body_Trash"}), front);
    QCOMPARE(calls, hook.isEmpty() ? QStringList() : QStringList({hook}));
    QCOMPARE(f.field("txtTabPos"), QString::number(tab));
    QCOMPARE(f.field("txtToolBarPos"), QString::number(position));
    QCOMPARE(f.window->isVisible(), hook != QLatin1String("close practice"));
}

void TestNavigation::raiseTab()
{
    MainWindowFixture f;
    f.start();
    f.window->TabClick(3);
    const QStringList order = {"Tab01", "Tab02", "Tab03", "Tab04", "TabStrip"};
    // Behind the strip: the other tabs, lower numbers in front; the selected one in front of it.
    QCOMPARE(Frontmost(f.window.get(), order), QStringLiteral("Tab03"));
    QCOMPARE(Frontmost(f.window.get(), {"Tab01", "Tab02", "Tab04", "TabStrip"}),
             QStringLiteral("TabStrip"));
    QCOMPARE(Frontmost(f.window.get(), {"Tab01", "Tab02", "Tab04"}), QStringLiteral("Tab01"));
    QCOMPARE(Frontmost(f.window.get(), {"Tab02", "Tab04"}), QStringLiteral("Tab02"));
    QCOMPARE(f.child("Tab03")->y(), 35);
    QCOMPARE(f.child("Tab01")->y(), 37);
    QCOMPARE(f.child("Tab04")->y(), 37);
}

void TestNavigation::tabCaptionClickSelectsTheTab()
{
    MainWindowFixture f;
    f.start();
    f.show();
    QTest::mouseClick(f.child("Tab02lbl"), Qt::LeftButton);
    QCOMPARE(f.field("txtTabPos"), QStringLiteral("2"));
    QCOMPARE(f.field("LChose"), QStringLiteral("2"));
    QTest::mouseClick(f.child("lblTB01"), Qt::LeftButton);
    QCOMPARE(f.field("txtToolBarPos"), QStringLiteral("1"));
    QTest::mouseClick(f.child("Tab04"), Qt::LeftButton);
    QCOMPARE(f.field("txtTabPos"), QStringLiteral("4"));
    QCOMPARE(f.field("LChose"), QStringLiteral("2"));
}

void TestNavigation::tickPictures()
{
    MainWindowFixture f;
    f.start();
    f.show();
    f.window->TabClick(2);
    f.window->Timer1Tick(Over(f.child("Tab02")));
    QCOMPARE(PictureOf(f, "Tab02"), pic::TabFrontOn);
    QCOMPARE(PictureOf(f, "Tab01"), pic::TabBackOff);
    f.window->Timer1Tick(Over(f.child("Tab03")));
    QCOMPARE(PictureOf(f, "Tab02"), pic::TabFrontOff);
    QCOMPARE(PictureOf(f, "Tab03"), pic::TabBackOn);
    f.window->Timer1Tick(Over(f.child("ToolBar02")));
    QCOMPARE(PictureOf(f, "ToolBar02"), QStringLiteral("report_on.bmp"));
    QCOMPARE(PictureOf(f, "ToolBar01"), QStringLiteral("home_off.bmp"));
    f.window->Timer1Tick(Over(f.child("P1a")));
    QCOMPARE(PictureOf(f, "P1a"), pic::LoadButtonOn);
    QCOMPARE(PictureOf(f, "ToolBar02"), QStringLiteral("report_off.bmp"));
    // The real timer does the same from the pointer's position.
    const int reads = Skin::filesRead();
    QCursor::setPos(Over(f.child("ToolBar04")));
    QTRY_COMPARE(PictureOf(f, "ToolBar04"), QStringLiteral("close_on.bmp"));
    QTest::qWait(250);
    QCOMPARE(Skin::filesRead(), reads + 1); // close_on read once, then kept
}

void TestNavigation::pressedPictureFollowsThePointer()
{
    MainWindowFixture f;
    f.start();
    f.show();
    QWidget* report = f.child("ToolBar02");
    QTest::mousePress(report, Qt::LeftButton);
    QCOMPARE(f.field("txtPressTrack"), QStringLiteral("1"));
    f.window->Timer1Tick(Over(f.child("ToolBar03")));
    QCOMPARE(PictureOf(f, "ToolBar03"), QStringLiteral("print_pressed.bmp"));
    QCOMPARE(PictureOf(f, "ToolBar02"), QStringLiteral("report_off.bmp"));
    QTest::mouseRelease(report, Qt::LeftButton, {}, QPoint(-5, -5)); // released elsewhere: no click
    QCOMPARE(f.field("txtPressTrack"), QStringLiteral("0"));
    QCOMPARE(f.field("txtToolBarPos"), QStringLiteral("1"));
    f.window->Timer1Tick(Over(f.child("ToolBar03")));
    QCOMPARE(PictureOf(f, "ToolBar03"), QStringLiteral("print_on.bmp"));
}

void TestNavigation::titleBarHoverOnlyWhileActive()
{
    MainWindowFixture f;
    f.start();
    f.show();
    QCOMPARE(f.field("ContentsFocus"), QStringLiteral("1"));
    f.window->Timer1Tick(Over(f.child("imgProgClose")));
    QCOMPARE(PictureOf(f, "imgProgClose"), pic::ProgBlueClose);
    QCOMPARE(f.child("imgProgClose")->toolTip(), QStringLiteral("Close"));
    QCOMPARE(f.child("imgProgMin")->toolTip(), QStringLiteral("Minimize"));

    QWidget other;
    other.setGeometry(500, 500, 100, 100);
    other.show();
    other.activateWindow();
    QTRY_COMPARE(f.field("ContentsFocus"), QStringLiteral("0"));
    QCOMPARE(PictureOf(f, "BTopCentre"), pic::BorderWhiteTopCentre);
    f.window->Timer1Tick(Over(f.child("imgProgMin")));
    QCOMPARE(PictureOf(f, "imgProgMin"), pic::ProgWhiteMin);
    QCOMPARE(PictureOf(f, "imgProgClose"), pic::ProgWhiteClose);
}

void TestNavigation::minimiseAndClose()
{
    MainWindowFixture f;
    f.start();
    f.show();
    int closed = 0;
    f.window->hooks().closePracticeWindows = [&] { ++closed; };
    QTest::mouseClick(f.child("imgProgMin"), Qt::LeftButton);
    QTRY_VERIFY(f.window->windowState() & Qt::WindowMinimized);
    f.window->setWindowState(Qt::WindowNoState);
    f.window->show();
    QTest::mouseClick(f.child("imgProgClose"), Qt::LeftButton);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(closed, 1);
}

void TestNavigation::aboutPage()
{
    MainWindowFixture f;
    f.start();
    f.show();
    int opened = 0;
    f.window->hooks().openMakerPage = [&] { ++opened; };
    f.window->TabClick(4);
    QCOMPARE(f.child<QLabel>("ProgramName")->text(), QStringLiteral("Test Practice"));
    QCOMPARE(f.child<QLabel>("lblPlatform")->text(), QStringLiteral("For Linux"));
    QCOMPARE(f.child<QLabel>("lblVersion")->text(), QStringLiteral("Version 2.0"));
    QVERIFY(f.child<QLabel>("lbl_OVURL")->text().endsWith(QStringLiteral("eduprog.html")));
    QCOMPARE(f.child("lbl_OVURL")->toolTip(), QStringLiteral("Go to Orlavine home page"));
    QVERIFY(!f.child<QLabel>("imgLogo")->pixmap().isNull());
    QTest::mouseClick(f.child("lbl_OVURL"), Qt::LeftButton);
    QCOMPARE(opened, 1);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
