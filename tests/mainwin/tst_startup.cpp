// Start-up of the main window: one and three modules, learner files made sure of (backup
// before the reset), eight topics, no module, damaged settings.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"
#include "records/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

using namespace orlavine;

class TestStartUp : public QObject {
    Q_OBJECT

  private slots:
    void oneModule();
    void picturesWrittenWhereMissingOrChanged();
    void threeModules();
    void missingFileBacksUpThenResetsEveryModule();
    void presentFilesAreKept();
    void eightTopics();
    void noModuleSaysSo_data();
    void noModuleSaysSo();
    void damagedSettingsAreReported();
};

void TestStartUp::oneModule()
{
    MainWindowFixture f;
    QVERIFY(f.package.editSettings("#LAH#>Alpha", "#LAH#>"));
    QVERIFY(f.package.editSettings("#LCH#>Gamma", "#LCH#>"));
    f.package.install();
    Contents& w = f.start();
    QVERIFY(f.popUps.titles.isEmpty());

    QCOMPARE(w.geometry(), QRect(4, 4, 405, 492));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Test Practice"));
    QCOMPARE(f.child<QLabel>("Title")->text(), QStringLiteral("Test Practice"));
    QCOMPARE(f.child<QLabel>("ProgramName")->text(), QStringLiteral("Test Practice"));
    QCOMPARE(w.settings().code, QByteArray("TS"));

    // Tab 2 at the left edge, Help overlapping it by 4 pixels, tabs 1 and 3 out of view.
    QCOMPARE(f.child("Tab01")->x(), -96);
    QCOMPARE(f.child("Tab03")->x(), -96);
    QCOMPARE(f.child("Tab02")->x(), 2);
    QCOMPARE(f.child("Tab04")->x(), 2 + 96 - 4);
    QCOMPARE(f.child("Tab02")->toolTip(), QStringLiteral("Load Beta Module"));
    QCOMPARE(f.child("Tab02lbl")->toolTip(), QStringLiteral("Load Beta Module"));
    QCOMPARE(f.child<QLabel>("Tab02lbl")->text(), QStringLiteral("Beta"));
    QCOMPARE(f.child<QLabel>("Tab04lbl")->text(), QStringLiteral("Help"));
    QCOMPARE(f.child("Tab04")->toolTip(), QStringLiteral("Help"));
    // The strip at (2, 60), the selected tab two pixels higher than the others, the home
    // page right below the strip.
    QCOMPARE(f.child("TabStrip")->pos(), QPoint(2, 60));
    QCOMPARE(f.child("Tab02")->y(), 60 - 26 + 1);
    QCOMPARE(f.child("Tab04")->y(), 60 - 26 + 3);
    QCOMPARE(PageScroller::outer(f.child("Body_Home"))->pos(), QPoint(2, 60 + f.child("TabStrip")->height()));

    QCOMPARE(f.selection().chosenModule, 2);
    QCOMPARE(f.selection().frontTab, 2);
    QCOMPARE(f.selection().toolbarPosition, 1);
    QCOMPARE(f.selection().reportSection, 1);
    QCOMPARE(f.selection().firstPaperOfTopic, 1);
    QCOMPARE(w.settings().module(2).paperCount, 15);
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Shapes"));
    QCOMPARE(Frontmost(&w, {"Body_Home", "Body_About", "Body_Trash"}), QStringLiteral("Body_Home"));
    // Nothing on the main window runs periodically.
    QVERIFY(w.findChildren<QTimer*>().isEmpty());

    // Only the configured module's files exist; the settings' scratch file is gone.
    QVERIFY(QFile::exists(f.folder.file("marks2TS.txt")));
    QVERIFY(QFile::exists(f.folder.file("trend2TS.txt")));
    QVERIFY(!QFile::exists(f.folder.file("marks1TS.txt")));
    QVERIFY(!QFile::exists(f.folder.file("temptext30000.txt")));
    QVERIFY(QFile::exists(f.folder.file("Graphics/OVicon.ico")));
}

void TestStartUp::picturesWrittenWhereMissingOrChanged()
{
    MainWindowFixture f; // its folder holds the package's pictures already
    const QString kept = f.folder.file("Graphics/tabs_back_on.bmp");
    const QByteArray bullet = f.folder.read("Graphics/bullet.bmp");
    const QByteArray button = f.folder.read("Graphics/button_on.bmp");
    QFile::remove(f.folder.file("Graphics/bullet.bmp"));
    f.folder.write("Graphics/button_on.bmp", "damaged");
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    f.start();
    QCOMPARE(f.folder.read("Graphics/bullet.bmp"), bullet);
    QCOMPARE(f.folder.read("Graphics/button_on.bmp"), button);
    QCOMPARE(QFileInfo(kept).lastModified(), old); // the same bytes: not written again
    QCOMPARE(QDir(f.folder.file("Graphics")).entryList(QDir::Files).size(), 92);
}

void TestStartUp::threeModules()
{
    MainWindowFixture f;
    f.start();
    QCOMPARE(f.child("Tab01")->x(), 2);
    QCOMPARE(f.child("Tab02")->x(), 94);
    QCOMPARE(f.child("Tab03")->x(), 186);
    QCOMPARE(f.child("Tab04")->x(), 278);
    QCOMPARE(f.selection().chosenModule, 1);
    QCOMPARE(f.child("Tab01")->toolTip(), QStringLiteral("Load Alpha Module"));
    QCOMPARE(f.child("Tab03lbl")->toolTip(), QStringLiteral("Load Gamma Module"));
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Numbers"));
    QCOMPARE(f.child("Tab01")->y(), 35);
    QCOMPARE(f.child("Tab02")->y(), 37);
    for (int m = 1; m <= 3; ++m)
        QVERIFY(QFile::exists(f.folder.file(QStringLiteral("sresults%1TS.txt").arg(m))));
}

void TestStartUp::missingFileBacksUpThenResetsEveryModule()
{
    MainWindowFixture f;
    f.start();
    f.window.reset();
    f.recordScores(1, {"80"});
    f.recordScores(2, {"64.5"});
    const QByteArray scored = f.folder.read("marks2TS.txt");
    QVERIFY(QFile::remove(f.folder.file("trend2TS.txt")));

    f.start();
    QVERIFY(QFile::exists(f.folder.file("trend2TS.txt")));
    QVERIFY(!f.folder.read("marks2TS.txt").contains("64.5"));
    QVERIFY(!f.folder.read("marks1TS.txt").contains(">80"));
    QCOMPARE(f.child<QLabel>("MSA1")->text(), QString());
    // The results were copied away before anything was rewritten.
    const QStringList backups =
        QDir(f.folder.file("Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(f.folder.read("Backup/" + backups.first() + "/marks2TS.txt"), scored);
    // The pupil is told, once, and where the copy is.
    QCOMPARE(f.popUps.messages,
             QStringList("Your results could not be read, so they have been started afresh; a "
                         "copy of the earlier files is in " +
                         f.folder.file("Backup/" + backups.first()) + "."));
}

void TestStartUp::presentFilesAreKept()
{
    MainWindowFixture f;
    f.start();
    f.window.reset();
    f.recordScores(1, {"80", "", "55"});
    const QByteArray before = f.folder.read("marks1TS.txt");
    f.start();
    QCOMPARE(f.folder.read("marks1TS.txt"), before);
    QCOMPARE(f.child<QLabel>("MSA1")->text(), QStringLiteral("80"));
    QCOMPARE(f.child<QLabel>("MSA3")->text(), QStringLiteral("55"));
    QVERIFY(!QDir(f.folder.file("Backup")).exists());
}

void TestStartUp::eightTopics()
{
    MainWindowFixture f;
    QVERIFY(f.package.editSettings("#TT1#>2", "#TT1#>8"));
    QVERIFY(f.package.editSettings("#TP1#>10", "#TP1#>40"));
    QVERIFY(f.package.editSettings("#TN1#>Numbers>Words", "#TN1#>T1>T2>T3>T4>T5>T6>T7>Eighth"));
    f.package.install();
    f.start();
    QVERIFY(f.popUps.titles.isEmpty());
    QCOMPARE(f.child<QLabel>("Topic8")->text(), QStringLiteral("Eighth"));
    QVERIFY(!f.child("Topic8")->isHidden());
    QVERIFY(!f.child("Bullet8")->isHidden());
    for (const char* hidden : {"Topic9", "Topic10", "Bullet9", "Bullet10"})
        QVERIFY2(f.child(hidden)->isHidden(), hidden);
    QCOMPARE(f.window->settings().module(1).paperCount, 40);
}

void TestStartUp::noModuleSaysSo_data()
{
    QTest::addColumn<bool>("settingsMissing");
    QTest::newRow("no labels") << false;
    QTest::newRow("settings unreadable") << true;
}

void TestStartUp::noModuleSaysSo()
{
    QFETCH(bool, settingsMissing);
    MainWindowFixture f;
    if (settingsMissing) {
        QVERIFY(QFile::remove(f.package.path() + "/30000-settings.txt"));
    } else {
        QVERIFY(f.package.editSettings("#LAH#>Alpha", "#LAH#>"));
        QVERIFY(f.package.editSettings("#LBH#>Beta", "#LBH#>"));
        QVERIFY(f.package.editSettings("#LCH#>Gamma", "#LCH#>"));
    }
    f.package.install();
    f.start();
    QVERIFY(!f.child("lblNoModule")->isHidden());
    QVERIFY(f.child<QLabel>("lblNoModule")->text().contains(QStringLiteral("no practice module")));
    QCOMPARE(f.child("Tab04")->x(), 2);
    QVERIFY(f.child("Tab01")->x() < 0);
    QVERIFY(!QFile::exists(f.folder.file("marks1TS.txt")));
    // The toolbar's Home still works and still says so.
    f.window->ToolBarClick(1);
    QVERIFY(!f.child("lblNoModule")->isHidden());
}

void TestStartUp::damagedSettingsAreReported()
{
    MainWindowFixture f;
    QVERIFY(f.package.editSettings("#TT2#>3", "#TT2#>many"));
    f.package.install();
    f.start();
    QCOMPARE(f.popUps.titles.size(), 1);
    QVERIFY(f.popUps.messages.first().contains(QStringLiteral("TT2")));
    QVERIFY(!f.child("lblNoModule")->isHidden());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
