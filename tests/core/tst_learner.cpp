// Learner records: names, the start-up check, reset with backup, marks lists and repair.
#include "records/error.h"
#include "faultyfolder.h"
#include "records/fileio.h"
#include "records/programfolder.h"
#include "records/learner.h"
#include "records/recordfile.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine;

class TestLearner : public QObject {
    Q_OBJECT

private slots:
    void fileNames();
    void startUpCreatesMissingFiles();
    void oneMissingFileResetsEveryModuleAfterBackup();
    void presentFilesAreNotTouched();
    void resetEmptiesTrend();
    void marksTemplateReadsBlank();
    void marksAfterMarkingHaveSixLines();
    void damagedMarksFileRepairedAtStart();
    void trendWithScore();
    void failedBackupErasesNothing();
    void interruptedWritesCleanedAtStart();

private:
    const QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
};

void TestLearner::fileNames()
{
    TestFolder folder;
    QCOMPARE(LearnerFilePath(LearnerFile::Marks, 2, "AB"), folder.file("marks2AB.txt"));
    QCOMPARE(LearnerFilePath(LearnerFile::SResults, 3, "AB"), folder.file("sresults3AB.txt"));
    QCOMPARE(LearnerTemplateResource(LearnerFile::Marks, 2), 30121);
    QCOMPARE(LearnerTemplateResource(LearnerFile::Trend, 1), 30116);
}

void TestLearner::startUpCreatesMissingFiles()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    QVERIFY(EnsureLearnerRecords(settings, m_now).reset);
    QCOMPARE(QDir(folder.path()).entryList({"*TS.txt"}, QDir::Files).size(), 18);
    QVERIFY(!QDir(folder.file("Backup")).exists()); // nothing existed to back up
    QCOMPARE(folder.read("trend2TS.txt"), QByteArray("#TRD#"));
    QCOMPARE(ReadPaperLines(LearnerFilePath(LearnerFile::First, 1, "TS"), 10).at(3),
             "#104#" + QByteArray(80, '>'));
}

void TestLearner::oneMissingFileResetsEveryModuleAfterBackup()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    folder.write("trend1TS.txt", "#TRD#>50>60\r\n");
    folder.write("trend3TS.txt", "#TRD#>70\r\n");
    QFile::remove(folder.file("trend2TS.txt"));

    QVERIFY(EnsureLearnerRecords(settings, m_now).reset);
    QCOMPARE(folder.read("trend1TS.txt"), QByteArray("#TRD#"));
    QCOMPARE(folder.read("trend3TS.txt"), QByteArray("#TRD#"));
    const QString backup = folder.file("Backup/2026-12-07_10-00-00");
    QCOMPARE(QDir(backup).entryList(QDir::Files).size(), 17);
    QFile saved(backup + "/trend1TS.txt");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("#TRD#>50>60\r\n"));

    // A second backup in the same second gets a folder of its own.
    QCOMPARE(ResetLearnerRecords(settings, m_now), backup + "_2");
}

void TestLearner::presentFilesAreNotTouched()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    folder.write("trend1TS.txt", "#TRD#>50\r\n");
    QVERIFY(!EnsureLearnerRecords(settings, m_now).reset);
    QCOMPARE(folder.read("trend1TS.txt"), QByteArray("#TRD#>50\r\n"));
}

void TestLearner::resetEmptiesTrend()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    folder.write("trend2TS.txt", "#TRD#>88.8>88.8\r\n");
    ResetLearnerRecords(settings, m_now);
    QCOMPARE(folder.read("trend2TS.txt"), QByteArray("#TRD#"));
}

void TestLearner::marksTemplateReadsBlank()
{
    TestFolder folder;
    EnsureLearnerRecords(ReadSettings(), m_now);
    for (int tp : {50, 5}) {
        const MarksLists marks = ReadMarksLists(3, "TS", tp);
        for (int i = 0; i < 50; ++i) {
            QVERIFY(marks[FSE].at(i).isEmpty());
            QVERIFY(marks[CDD].at(i).isEmpty());
            QCOMPARE(marks[FST].at(i), i < tp ? QByteArray("0") : QByteArray());
            QCOMPARE(marks[SST].at(i), i < tp ? QByteArray("0") : QByteArray());
        }
    }
}

void TestLearner::marksAfterMarkingHaveSixLines()
{
    TestFolder folder;
    EnsureLearnerRecords(ReadSettings(), m_now);
    MarksLists marks = ReadMarksLists(1, "TS", 10);
    marks[FSE][3] = "66.7";
    marks[FST][3] = "1";
    WriteMarksLists(marks, 1, "TS", 10);
    const QByteArray text = folder.read("marks1TS.txt");
    QCOMPARE(text.count("\r\n"), 6);
    QVERIFY(!text.contains("..."));
    QVERIFY(text.startsWith("#FSE#>>>>66.7>>>>>>\r\n"));
    QCOMPARE(ReadMarksLists(1, "TS", 10)[FST].at(3), QByteArray("1"));
}

void TestLearner::damagedMarksFileRepairedAtStart()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    // SSE lost, FSE cut short: what remains is kept, the rest comes from the template.
    const QByteArray damaged = "#FSE#>90>80\r\n#LTM#>0:1:2\r\n#CDD#>1/1/26\r\n#FST#>1>1\r\n"
                               "#SST#>0>0>0>0>0>0>0>0>0>0\r\n";
    folder.write("marks1TS.txt", damaged);
    // Read while the program runs, the file is an error and stays as it is.
    QVERIFY_THROWS_EXCEPTION(Error, ReadMarksLists(1, "TS", 10));
    QCOMPARE(folder.read("marks1TS.txt"), damaged);
    QVERIFY(!QFileInfo::exists(folder.file("Backup")));

    QVERIFY(!EnsureLearnerRecords(settings, m_now).reset);
    const MarksLists marks = ReadMarksLists(1, "TS", 10);
    QCOMPARE(marks[FSE].mid(0, 3), Fields({"90", "80", ""}));
    QCOMPARE(marks[SSE].at(0), QByteArray());
    QCOMPARE(marks[FST].mid(0, 3), Fields({"1", "1", "0"}));
    QCOMPARE(marks[LTM].at(0), QByteArray("0:1:2"));
    QCOMPARE(folder.read("Backup/2026-12-07_10-00-00/marks1TS.txt"), damaged);
    // The repaired file reads cleanly: the next start makes no second backup.
    EnsureLearnerRecords(settings, m_now);
    QVERIFY(!QFileInfo::exists(folder.file("Backup/2026-12-07_10-00-00_2")));

    QFile::remove(folder.file("marks1TS.txt"));
    QVERIFY_THROWS_EXCEPTION(Error, ReadMarksLists(1, "TS", 10));
}

void TestLearner::trendWithScore()
{
    TestFolder folder;
    EnsureLearnerRecords(ReadSettings(), m_now);
    QCOMPARE(TrendWithScore(1, "TS", "66.7"), QByteArray("#TRD#>66.7\r\n"));
    folder.write("trend1TS.txt", "#TRD#>66.7\r\n");
    QCOMPARE(TrendWithScore(1, "TS", "100"), QByteArray("#TRD#>66.7>100\r\n"));
    QVERIFY_THROWS_EXCEPTION(Error, TrendWithScore(1, "TS", "1>2"));
}

void TestLearner::failedBackupErasesNothing()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 256 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    TestFolder folder; // the embedded test package
    SetProgramFolder(faulty.path());
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    WriteFileAtomically(LearnerFilePath(LearnerFile::Trend, 1, "TS"), "#TRD#>75\r\n");
    QFile filler(faulty.path() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1024, 'x')) == 1024) {
    }
    filler.close();
    QVERIFY_THROWS_EXCEPTION(Error, ResetLearnerRecords(settings, m_now));
    QCOMPARE(ReadLine(LearnerFilePath(LearnerFile::Trend, 1, "TS"), "TRD"), QByteArray("#TRD#>75"));
    SetProgramFolder(folder.path());
}

void TestLearner::interruptedWritesCleanedAtStart()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, m_now);
    const QString stale = folder.write("marks1TS.txt.new-Ab12Cd", "half");
    const QString fresh = folder.write("first1TS.txt.new-Xy34Zw", "in progress");
    const QString other = folder.write("notes.new-Ab12Cd.txt", "not ours");
    QFile file(stale);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(m_now.addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    QFile young(fresh);
    QVERIFY(young.open(QIODevice::ReadWrite));
    QVERIFY(young.setFileTime(m_now.addSecs(-60), QFileDevice::FileModificationTime));
    young.close();
    QVERIFY(!EnsureLearnerRecords(settings, m_now).reset);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(fresh)); // another copy of the program may be writing it
    QVERIFY(QFile::exists(other));
}

QTEST_GUILESS_MAIN(TestLearner)
#include "tst_learner.moc"
