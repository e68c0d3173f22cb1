// The reset page: its three states, what Yes and No do to the learner files, and a reset
// that cannot back up first.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"
#include "mainwin/trashpage.h"

#include <QDir>
#include <QLabel>
#include <QtTest>

using namespace orlavine;

class TestTrashPage : public QObject {
    Q_OBJECT

  private slots:
    void statesShowTheirControls();
    void noChangesNothing();
    void yesBacksUpThenErasesEveryModule();
    void yesOnFreshRecords();
    void showingAgainStartsInInvite();
    void failedBackupErasesNothing();
};

namespace {

const QStringList kControls = {"Trashlbl1",    "ButTrash",    "Trashlbl2",
                               "ButTrash_Yes", "ButTrash_No", "Trashlbl3"};

QStringList Visible(const MainWindowFixture& f)
{
    QStringList shown;
    for (const QString& name : kControls) {
        if (!Child(f.window.get(), name)->isHidden())
            shown << name;
    }
    return shown;
}

void Click(const MainWindowFixture& f, const char* button)
{
    f.child<PictureButton>(button)->click();
}

QByteArray AllRecords(const TestFolder& folder)
{
    QByteArray all;
    for (int m = 1; m <= 3; ++m) {
        for (const char* base : {"marks", "first", "second", "fresults", "sresults", "trend"})
            all += folder.read(QStringLiteral("%1%2TS.txt").arg(QLatin1String(base)).arg(m));
    }
    return all;
}

void OpenTrash(MainWindowFixture& f)
{
    f.window->TabClick(4);
    f.window->ToolBarClick(2);
}

} // namespace

void TestTrashPage::statesShowTheirControls()
{
    MainWindowFixture f;
    f.start();
    OpenTrash(f);
    QCOMPARE(Frontmost(f.window.get(), {"Body_Home", "Body_About", "Body_Trash"}),
             QStringLiteral("Body_Trash"));
    QCOMPARE(Visible(f), QStringList({"Trashlbl1", "ButTrash"}));
    QCOMPARE(f.child<QLabel>("Trashlbl1")->text(),
             QStringLiteral("Click on the button below if you wish to erase all your past results "
                            "and reset the program."));
    QCOMPARE(f.child<QLabel>("ButTrashlbl")->text(), QStringLiteral("Trash"));
    QCOMPARE(f.child("ButTrash")->toolTip(), QStringLiteral("Trash"));
    Click(f, "ButTrash");
    QCOMPARE(Visible(f), QStringList({"Trashlbl2", "ButTrash_Yes", "ButTrash_No"}));
    QCOMPARE(f.child<QLabel>("Trashlbl2")->text(), QStringLiteral("Are you sure?"));
    QCOMPARE(f.child<QLabel>("ButTrash_Yeslbl")->text(), QStringLiteral("Yes"));
    QCOMPARE(f.child<QLabel>("ButTrash_Nolbl")->text(), QStringLiteral("No"));
    QCOMPARE(f.child("ButTrash_No")->toolTip(), QStringLiteral("No"));
    Click(f, "ButTrash_Yes");
    QCOMPARE(Visible(f), QStringList({"Trashlbl3"}));
    const QStringList backups =
        QDir(f.folder.file("Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(f.child<QLabel>("Trashlbl3")->text().remove(QChar(0x200B)),
             "All your past results have been erased. A copy of them is in " +
                 f.folder.file("Backup/" + backups.first()) + ".");

    // The buttons' hover pictures.
    Click(f, "ButTrash_No");
    OpenTrash(f);
    Hover(f.child("ButTrash"));
    QCOMPARE(f.child<PictureButton>("ButTrash")->picture(), QStringLiteral("button_on.bmp"));
}

void TestTrashPage::noChangesNothing()
{
    MainWindowFixture f;
    f.start();
    f.recordScores(1, {"75"});
    const QByteArray before = AllRecords(f.folder);
    OpenTrash(f);
    Click(f, "ButTrash");
    Click(f, "ButTrash_No");
    QCOMPARE(Visible(f), QStringList({"Trashlbl1", "ButTrash"}));
    QCOMPARE(AllRecords(f.folder), before);
    QVERIFY(!QDir(f.folder.file("Backup")).exists());
}

void TestTrashPage::yesBacksUpThenErasesEveryModule()
{
    MainWindowFixture f;
    f.start();
    f.recordScores(1, {"75", "99"}, {"", "100"});
    f.recordScores(3, {"20"});
    const QByteArray scored = f.folder.read("marks1TS.txt");
    OpenTrash(f);
    Click(f, "ButTrash");
    Click(f, "ButTrash_Yes");
    QVERIFY(!f.folder.read("marks1TS.txt").contains("75"));
    QVERIFY(!f.folder.read("marks3TS.txt").contains(">20"));
    const QStringList backups =
        QDir(f.folder.file("Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(f.folder.read("Backup/" + backups.first() + "/marks1TS.txt"), scored);

    // Leaving the Help tab goes through a module tab, which shows the blank records.
    f.window->TabClick(1);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(Child<QLabel>(f.window.get(), QStringLiteral("MSA%1").arg(i))->text(), QString());
        QCOMPARE(Child<QLabel>(f.window.get(), QStringLiteral("MSB%1").arg(i))->text(), QString());
        QVERIFY(Child(f.window.get(), QStringLiteral("P%1b").arg(i))->isHidden());
    }
}

void TestTrashPage::yesOnFreshRecords()
{
    MainWindowFixture f;
    f.start();
    QFile::remove(f.folder.file("first2TS.txt"));
    const QByteArray before = AllRecords(f.folder);
    OpenTrash(f);
    Click(f, "ButTrash");
    Click(f, "ButTrash_Yes");
    QCOMPARE(Visible(f), QStringList({"Trashlbl3"}));
    QVERIFY(QFile::exists(f.folder.file("first2TS.txt"))); // rewritten all the same
    QVERIFY(AllRecords(f.folder).size() > before.size());
}

void TestTrashPage::showingAgainStartsInInvite()
{
    MainWindowFixture f;
    f.start();
    OpenTrash(f);
    Click(f, "ButTrash");
    f.window->ToolBarClick(1); // About
    f.window->ToolBarClick(2); // Trash again
    QCOMPARE(Visible(f), QStringList({"Trashlbl1", "ButTrash"}));
    Click(f, "ButTrash");
    Click(f, "ButTrash_Yes");
    f.window->ToolBarClick(2);
    QCOMPARE(Visible(f), QStringList({"Trashlbl1", "ButTrash"}));
}

void TestTrashPage::failedBackupErasesNothing()
{
    MainWindowFixture f;
    f.start();
    f.recordScores(1, {"75"});
    const QByteArray before = AllRecords(f.folder);
    f.folder.write("Backup", "not a folder"); // no backup folder can be made
    OpenTrash(f);
    Click(f, "ButTrash");
    Click(f, "ButTrash_Yes");
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY(f.popUps.messages.first().contains(QStringLiteral("backup")));
    QCOMPARE(Visible(f), QStringList({"Trashlbl1", "ButTrash"}));
    QCOMPARE(AllRecords(f.folder), before);
}

QTEST_MAIN(TestTrashPage)
#include "tst_trashpage.moc"
