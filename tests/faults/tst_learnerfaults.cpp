// A learner file deleted or damaged while the program runs: the main window says so
// when it next reads the file, keeps going, and the next start repairs it after backing
// up what is there.
#include "records/error.h"
#include "mainwindowfixture.h"

#include <QDir>
#include <QtTest>

using namespace orlavine;

class TestLearnerFaults : public QObject {
    Q_OBJECT

private slots:
    void deletedFileReportedThenRepaired();
    void damagedFileRepairedKeepingScores_data();
    void damagedFileRepairedKeepingScores();
    void strayBytesRepairedOnce_data();
    void strayBytesRepairedOnce();
};

namespace {

/// The backup folders made so far, oldest first.
QStringList Backups(const TestFolder& folder)
{
    return QDir(folder.file("Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

void TestLearnerFaults::deletedFileReportedThenRepaired()
{
    MainWindowFixture f;
    f.start();
    QVERIFY(f.popUps.titles.isEmpty());
    f.recordScores(1, {"80"});
    f.recordScores(2, {"60"});
    QVERIFY(QFile::remove(f.folder.file("marks1TS.txt")));

    // Coming back from a paper reloads the module's marks: the pop-up names the file.
    f.window->RefreshContents();
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY(f.popUps.messages.first().contains("marks1TS.txt"));
    f.window->TabClick(2);
    QCOMPARE(f.popUps.titles.size(), 1); // the other module still reads

    // The next start recreates the files from their templates, after a backup.
    f.window.reset();
    QVERIFY(Backups(f.folder).isEmpty());
    f.start();
    QCOMPARE(f.popUps.titles.size(), 2);
    QVERIFY(f.popUps.messages.last().startsWith("Your results could not be read"));
    QVERIFY(QFile::exists(f.folder.file("marks1TS.txt")));
    QCOMPARE(ReadMarksLists(1, "TS", 10)[FSE].at(0), QByteArray());
    const QStringList backups = Backups(f.folder);
    QCOMPARE(backups.size(), 1);
    const QString saved = f.folder.file("Backup/" + backups.first() + "/marks2TS.txt");
    QVERIFY(ReadLine(saved, "FSE").startsWith("#FSE#>60>"));
    QVERIFY(!QFile::exists(f.folder.file("Backup/" + backups.first() + "/marks1TS.txt")));
}

void TestLearnerFaults::damagedFileRepairedKeepingScores_data()
{
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<QByteArray>("kept"); // what FSE of paper 1 holds afterwards
    QTest::newRow("cut to nothing") << QByteArray() << QByteArray();
    QTest::newRow("cut after the first line") << QByteArray("#FSE#>80>75\r\n") << QByteArray("80");
    QTest::newRow("cut mid-line") << QByteArray("#FSE#>80>7") << QByteArray("80");
    QTest::newRow("not text") << QByteArray("\x00\xFF\x89PNG\r\n\x1A\n#", 11) << QByteArray();
}

void TestLearnerFaults::damagedFileRepairedKeepingScores()
{
    QFETCH(QByteArray, damage);
    QFETCH(QByteArray, kept);
    MainWindowFixture f;
    f.start();
    f.recordScores(1, {"80", "75"});
    f.folder.write("marks1TS.txt", damage);

    // Reading it says so and changes nothing.
    f.window->RefreshContents();
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY(f.popUps.messages.first().contains("marks1TS.txt"));
    QCOMPARE(f.folder.read("marks1TS.txt"), damage);
    QVERIFY(Backups(f.folder).isEmpty());

    // The next start repairs the file from the template, keeping what it still held, backs
    // up the damaged copy and says so.
    f.window.reset();
    f.start();
    QVERIFY2(f.popUps.messages.size() == 2, qPrintable(f.popUps.messages.join('\n')));
    QVERIFY(f.popUps.messages.last().startsWith("Some of your results were damaged"));
    const MarksLists marks = ReadMarksLists(1, "TS", 10);
    QCOMPARE(marks[FSE].at(0), kept);
    QCOMPARE(marks[SSE].size(), 50);
    const QStringList backups = Backups(f.folder);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(f.folder.read("Backup/" + backups.first() + "/marks1TS.txt"), damage);

    // A restart finds every file whole and touches nothing.
    f.window.reset();
    f.start();
    QCOMPARE(f.popUps.messages.size(), 2);
    QCOMPARE(Backups(f.folder).size(), 1);
}

void TestLearnerFaults::strayBytesRepairedOnce_data()
{
    QTest::addColumn<QByteArray>("stray");
    QTest::newRow("NUL") << QByteArray(1, '\0');
    QTest::newRow("0xFF") << QByteArray("\xFF");
}

void TestLearnerFaults::strayBytesRepairedOnce()
{
    QFETCH(QByteArray, stray);
    MainWindowFixture f;
    f.start();
    f.recordScores(1, {"80", "75"});
    QByteArray file = f.folder.read("marks1TS.txt");
    file.insert(file.indexOf("#LTM#>") + 6, stray);
    f.folder.write("marks1TS.txt", file);
    f.window.reset();
    f.start();
    // Repaired at start, the pupil told where the copy is; the scores kept and writable.
    QCOMPARE(f.popUps.messages.size(), 1);
    const QStringList backups = Backups(f.folder);
    QCOMPARE(backups.size(), 1);
    QVERIFY2(f.popUps.messages.first().contains("Backup/" + backups.first()),
             qPrintable(f.popUps.messages.first()));
    const MarksLists marks = ReadMarksLists(1, "TS", 10);
    QCOMPARE(marks[FSE].mid(0, 2), Fields({"80", "75"}));
    WriteMarksLists(marks, 1, "TS", 10);
    f.window.reset();
    f.start();
    QCOMPARE(f.popUps.messages.size(), 1);
    QCOMPARE(Backups(f.folder).size(), 1);
}

QTEST_MAIN(TestLearnerFaults)
#include "tst_learnerfaults.moc"
