// Writing record files: exact bytes, refused values, and faults that must leave the
// old file whole.
#include "records/error.h"
#include "faultyfolder.h"
#include "records/fileio.h"
#include "records/recordfile.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine;

class TestRecordWrite : public QObject {
    Q_OBJECT

private slots:
    void saveRecordLineRewritesWholeFile();
    void saveRecordLineWithNoFields();
    void formatMarksFileBlank();
    void refusesUnstorableValues_data();
    void refusesUnstorableValues();
    void fileRemovedBetweenOperations();
    void readOnlyFolderKeepsOldFile();
    void fullDiskKeepsOldFile();
    void failedRenameKeepsOldFile();
    void filesTogetherReplaceAll();
    void filesTogetherFullDiskKeepsAll();
    void interruptedSaveFinishedAtStart();
};

namespace {
const QByteArray kAnswers = "...\r\n#101#>>\r\n#102#>\r\n#103#>>>\r\n...";
}

void TestRecordWrite::saveRecordLineRewritesWholeFile()
{
    TestFolder folder;
    const QString path = folder.write("first1TS.txt", kAnswers);
    Fields lines = ReadPaperLines(path, 3);
    Fields values(80);
    values[0] = "\xFC";
    values[1] = " ";
    SaveRecordLine(lines, values, 1, "101", 3, 2, path);
    QCOMPARE(folder.read("first1TS.txt"), QByteArray("#101#>\xFC> \r\n#102#>\r\n#103#>>>\r\n"));
    QCOMPARE(lines.at(0), QByteArray("#101#>\xFC> "));
    // The list keeps the new entry: a second save need not re-read the file.
    values[0] = "x";
    SaveRecordLine(lines, values, 3, "103", 3, 3, path);
    QCOMPARE(folder.read("first1TS.txt"), QByteArray("#101#>\xFC> \r\n#102#>\r\n#103#>x> >\r\n"));
    // Fields read back field for field.
    QCOMPARE(SplitLine(ReadLine(path, "103"), 3).mid(0, 3), Fields({"x", " ", ""}));
}

void TestRecordWrite::saveRecordLineWithNoFields()
{
    TestFolder folder;
    const QString path = folder.write("a.txt", kAnswers);
    Fields lines = ReadPaperLines(path, 3);
    SaveRecordLine(lines, Fields(80), 2, "102", 3, 0, path);
    QCOMPARE(ReadLine(path, "102"), QByteArray("#102#>"));
}

void TestRecordWrite::formatMarksFileBlank()
{
    TestFolder folder;
    const QString path = folder.file("marks2TS.txt");
    std::array<Fields, 6> lists;
    lists.fill(Fields(50));
    const QList<QByteArray> lines =
        FormatMarksFile(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 50, path).split('\n');
    QCOMPARE(lines.size(), 7); // six lines, each ended by CR LF
    QCOMPARE(lines.at(0), "#FSE#" + QByteArray(50, '>') + '\r');
    QCOMPARE(lines.at(5), "#SST#" + QByteArray(50, '>') + '\r');
    QVERIFY(lines.at(6).isEmpty());
}

void TestRecordWrite::refusesUnstorableValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow(">") << QByteArray("a>b");
    QTest::newRow("CR") << QByteArray("a\rb");
    QTest::newRow("LF") << QByteArray("a\nb");
}

void TestRecordWrite::refusesUnstorableValues()
{
    QFETCH(QByteArray, value);
    TestFolder folder;
    const QString path = folder.write("a.txt", kAnswers);
    Fields lines = ReadPaperLines(path, 3);
    const Fields before = lines;
    QVERIFY_THROWS_EXCEPTION(Error, SaveRecordLine(lines, {value, "x"}, 1, "101", 3, 2, path));
    QCOMPARE(lines, before);
    QCOMPARE(folder.read("a.txt"), kAnswers);

    std::array<Fields, 6> lists;
    lists.fill(Fields(50));
    lists[3][0] = value;
    QVERIFY_THROWS_EXCEPTION(Error, FormatMarksFile(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 50,
                                                    folder.file("m.txt")));
}

void TestRecordWrite::fileRemovedBetweenOperations()
{
    TestFolder folder;
    const QString path = folder.write("a.txt", kAnswers);
    Fields lines = ReadPaperLines(path, 3);
    QFile::remove(path);
    QVERIFY_THROWS_EXCEPTION(Error, ReadPaperLines(path, 3));
    // Saving recreates the file from the lines held in memory.
    SaveRecordLine(lines, {"a", "b"}, 1, "101", 3, 2, path);
    QCOMPARE(ReadLine(path, "102"), QByteArray("#102#>"));
}

void TestRecordWrite::readOnlyFolderKeepsOldFile()
{
    FaultyFolder faulty(FaultyFolder::ReadOnly);
    if (!faulty.available())
        QSKIP("needs root to mount a read-only folder");
    const QString path = faulty.path() + "/a.txt";
    WriteFile(path, kAnswers);
    QVERIFY(faulty.makeReadOnly());
    Fields lines = ReadPaperLines(path, 3);
    try {
        SaveRecordLine(lines, {"a", "b"}, 1, "101", 3, 2, path);
        QFAIL("a read-only folder must make the save fail");
    } catch (const Error& e) {
        QCOMPARE(e.file(), path);
    }
    QCOMPARE(ReadLine(path, "101"), QByteArray("#101#>>"));
}

void TestRecordWrite::fullDiskKeepsOldFile()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 64 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    const QString path = faulty.path() + "/a.txt";
    WriteFile(path, kAnswers);
    QFile filler(faulty.path() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1024, 'x')) == 1024) {
    }
    filler.close();
    Fields lines = ReadPaperLines(path, 3);
    QVERIFY_THROWS_EXCEPTION(Error, SaveRecordLine(lines, {QByteArray(100, 'a'), "b"}, 1, "101", 3, 2, path));
    QCOMPARE(ReadLine(path, "101"), QByteArray("#101#>>"));
    QCOMPARE(QDir(faulty.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

void TestRecordWrite::failedRenameKeepsOldFile()
{
    FaultyFolder faulty(FaultyFolder::ReadOnly);
    if (!faulty.available())
        QSKIP("needs root to pin a file");
    const QString path = faulty.path() + "/a.txt";
    WriteFile(path, kAnswers);
    QVERIFY(faulty.pin(path));
    Fields lines = ReadPaperLines(path, 3);
    QVERIFY_THROWS_EXCEPTION(Error, SaveRecordLine(lines, {"a", "b"}, 1, "101", 3, 2, path));
    QCOMPARE(ReadLine(path, "101"), QByteArray("#101#>>"));
}

void TestRecordWrite::filesTogetherReplaceAll()
{
    TestFolder folder;
    const QString a = folder.write("a.txt", "old a");
    const QString b = folder.file("b.txt"); // a new file
    WriteFilesTogether({{a, "new a"}, {b, "new b"}});
    QCOMPARE(folder.read("a.txt"), QByteArray("new a"));
    QCOMPARE(folder.read("b.txt"), QByteArray("new b"));
    // Neither the journal nor a temporary file stays.
    QCOMPARE(QDir(folder.path()).entryList({"*.journal", "*.new-*"}, QDir::Files), QStringList());
    QVERIFY_THROWS_EXCEPTION(Error, WriteFilesTogether({{a, "x"}, {folder.path() + "/sub/c.txt", "y"}}));
    QCOMPARE(folder.read("a.txt"), QByteArray("new a"));
}

void TestRecordWrite::filesTogetherFullDiskKeepsAll()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 64 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    const QString a = faulty.path() + "/a.txt", b = faulty.path() + "/b.txt";
    WriteFile(a, "old a");
    WriteFile(b, "old b");
    QFile filler(faulty.path() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1024, 'x')) == 1024) {
    }
    filler.close();
    QFile::resize(filler.fileName(), filler.size() - 8 * 1024); // room for a, not for b
    QVERIFY_THROWS_EXCEPTION(Error, WriteFilesTogether({{a, "new a"}, {b, QByteArray(32 * 1024, 'b')}}));
    QCOMPARE(ReadWholeFile(a), QByteArray("old a"));
    QCOMPARE(ReadWholeFile(b), QByteArray("old b"));
    QCOMPARE(QDir(faulty.path()).entryList(QDir::Files).size(), 3); // nothing else left
}

// A crash after the journal was written: the next start puts each new file in place,
// and a journal's line never moves a file that is not a temporary of the named one.
void TestRecordWrite::interruptedSaveFinishedAtStart()
{
    TestFolder folder;
    folder.write("marks1TS.txt", "old marks");
    folder.write("marks1TS.txt.new-Ab3dE9", "new marks");
    folder.write("trend1TS.txt", "new trend"); // renamed before the crash
    folder.write("first1TS.txt", "answers");
    folder.write("other.txt.new-Zz0000", "not in the journal's right form");
    folder.write("unfinished-save.journal",
                 "marks1TS.txt\tmarks1TS.txt.new-Ab3dE9\n"
                 "trend1TS.txt\ttrend1TS.txt.new-Qq1234\n"
                 "first1TS.txt\tother.txt.new-Zz0000\n"
                 "../escape.txt\t../escape.txt.new-000000\n");
    FinishInterruptedWrites(folder.path());
    QCOMPARE(folder.read("marks1TS.txt"), QByteArray("new marks"));
    QCOMPARE(folder.read("trend1TS.txt"), QByteArray("new trend"));
    QCOMPARE(folder.read("first1TS.txt"), QByteArray("answers"));
    QVERIFY(QFileInfo::exists(folder.file("other.txt.new-Zz0000")));
    QVERIFY(!QFileInfo::exists(folder.file("unfinished-save.journal")));
    // Temporaries without a journal (a crash before it was written) are never put in place.
    folder.write("marks1TS.txt.new-Cc5678", "half a marking");
    FinishInterruptedWrites(folder.path());
    QCOMPARE(folder.read("marks1TS.txt"), QByteArray("new marks"));
}

QTEST_GUILESS_MAIN(TestRecordWrite)
#include "tst_recordwrite.moc"
