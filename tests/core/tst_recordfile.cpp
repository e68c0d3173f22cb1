// Reading record files: key matching, field extraction, forward passes, errors. The
// readers parse bytes; the last cases read files through their path-taking twins.
#include "faultyfolder.h"
#include "records/error.h"
#include "records/fileio.h"
#include "records/recordfile.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine;

namespace {

RecordBytes Record(const QByteArray& bytes) { return {bytes, QStringLiteral("t.txt")}; }

} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void readValueAndLine();
    void readFieldsKeepsFullSize();
    void readFieldsErrors();
    void readAllFields();
    void splitLine_data();
    void splitLine();
    void readPaperLinesForwardPass();
    void fieldsForKeysForwardPass();
    void missingFileIsAnError();
    void failedReadIsAnError();
    void emptyOrShortFileHoldsNoKey();
    void bytesStayBytes();
};

void TestRecordFile::readValueAndLine()
{
    const RecordBytes file =
        Record("...\r\n#TT2#>10\r\n#LAH#\r\n#FSE#>a>b\r\n#NME#>Name > more\r\n...");
    QCOMPARE(ReadValue(file, "TT2"), QByteArray("10"));
    QCOMPARE(ReadValue(file, "LAH"), QByteArray());
    QCOMPARE(ReadValue(file, "XYZ"), QByteArray());
    QCOMPARE(ReadValue(file, "NME"), QByteArray("Name > more"));
    QCOMPARE(ReadLine(file, "fse"), QByteArray("#FSE#>a>b"));
    QCOMPARE(ReadLine(file, "ABC"), QByteArray());
}

void TestRecordFile::readFieldsKeepsFullSize()
{
    const RecordBytes file = Record("#FSE#>1>2>3\r\n#TN1#>a>b>c>d\r\n");
    const Fields fse = ReadFields50(file, "fse", 2);
    QCOMPARE(fse.size(), 50);
    QCOMPARE(fse.at(0), QByteArray("1"));
    QCOMPARE(fse.at(1), QByteArray("2>3"));
    QVERIFY(fse.at(2).isEmpty());
    const Fields names = ReadFields(file, "TN1", 4);
    QCOMPARE(names.size(), 10);
    QCOMPARE(names.at(3), QByteArray("d"));
    // n = 0 gives an empty list whether the key exists or not.
    QCOMPARE(ReadFields50(file, "ABC", 0), Fields(50));
}

void TestRecordFile::readFieldsErrors()
{
    const RecordBytes file = Record("#FSE#>1>2>3\r\n");
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(file, "FSE", 4));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(file, "SSE", 1));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields(file, "FSE", 11));
    try {
        ReadFields50(file, "SSE", 1);
    } catch (const Error& e) {
        QCOMPARE(e.file(), file.file);
        QVERIFY(e.message().contains("SSE"));
    }
}

void TestRecordFile::readAllFields()
{
    const RecordBytes file = Record("#101#>16001>16002>16003\r\n#102#>\r\n#103#\r\n");
    QCOMPARE(ReadAllFields(file, "101"), Fields({"16001", "16002", "16003"}));
    QCOMPARE(ReadAllFields(file, "102"), Fields({""}));
    QCOMPARE(ReadAllFields(file, "103"), Fields());
    QVERIFY_THROWS_EXCEPTION(Error, ReadAllFields(file, "104"));
}

void TestRecordFile::splitLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("n");
    QTest::addColumn<Fields>("expected");
    QTest::newRow("rest in last") << QByteArray("#101#>a>b>c>d") << 2 << Fields({"a", "b>c>d"});
    QTest::newRow("three empty") << QByteArray("#105#>>>") << 3 << Fields({"", "", ""});
    QTest::newRow("spaces kept") << QByteArray("#101#> > x ") << 2 << Fields({" ", " x "});
    QTest::newRow("none") << QByteArray("#101#>a") << 0 << Fields();
}

void TestRecordFile::splitLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, n);
    QFETCH(Fields, expected);
    const Fields fields = SplitLine(line, n);
    QCOMPARE(fields.size(), 80);
    QCOMPARE(fields.mid(0, n), expected);
    for (int i = n; i < 80; ++i)
        QVERIFY(fields.at(i).isEmpty());
    QCOMPARE(SplitLine50(line, n).size(), 50);
}

void TestRecordFile::readPaperLinesForwardPass()
{
    const RecordBytes file = Record("...\r\n#101#>a\r\n#103#>c\r\n#102#>b\r\n...");
    const Fields lines = ReadPaperLines(file, 3);
    QCOMPARE(lines.size(), 50);
    QCOMPARE(lines.at(0), QByteArray("#101#>a"));
    QCOMPARE(lines.at(1), QByteArray("#102#>b"));
    QVERIFY(lines.at(2).isEmpty()); // the search for 103 starts after 102
}

void TestRecordFile::fieldsForKeysForwardPass()
{
    const RecordBytes file = Record("...\r\n#16001#>1\r\n#16002#>;a;b> \r\n#16003#>x>y>z\r\n...");
    const Fields keys = {"16001", "16002", "16003"};
    QCOMPARE(ReadFieldsForKeys(file, 3, keys), Fields({"1", ";a;b", " ", "x", "y", "z"}));
    QCOMPARE(CountFieldsForKeys(file, 3, keys), QList<int>({1, 2, 3}));
    // Keys out of file order are not found by the forward pass.
    QVERIFY_THROWS_EXCEPTION(Error, ReadFieldsForKeys(file, 2, {"16002", "16001"}));
    QVERIFY_THROWS_EXCEPTION(Error, CountFieldsForKeys(file, 1, {"16009"}));
}

void TestRecordFile::missingFileIsAnError()
{
    TestFolder folder;
    const QString path = folder.file("none.txt");
    QVERIFY_THROWS_EXCEPTION(Error, ReadValue(path, "NME"));
    QVERIFY_THROWS_EXCEPTION(Error, ReadLine(path, "NME"));
    QVERIFY_THROWS_EXCEPTION(Error, ReadPaperLines(path, 1));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(path, "FSE", 0));
    const QString present = folder.write("t.txt", "#FSE#>1\r\n");
    QCOMPARE(ReadFields50(present, "FSE", 1).at(0), QByteArray("1"));
}

// A read that fails half-way is an error naming the file, never a shorter file.
void TestRecordFile::failedReadIsAnError()
{
    FailingDevice device("#FSE#>1>2\r\n#SSE#");
    QVERIFY(device.open(QIODevice::ReadOnly));
    try {
        ReadDevice(device, "t.txt");
        QFAIL("a failed read gave bytes");
    } catch (const Error& e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot read the file (t.txt)"));
    }
}

// An empty file (a learner file cut to nothing) once sent the key search past the end.
void TestRecordFile::emptyOrShortFileHoldsNoKey()
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("#"), QByteArray("#NM")}) {
        const RecordBytes file = Record(bytes);
        QCOMPARE(ReadValue(file, "NME"), QByteArray());
        QCOMPARE(ReadLine(file, "NME"), QByteArray());
        QCOMPARE(ReadFields(file, "NME", 0), Fields(10));
        QVERIFY_THROWS_EXCEPTION(Error, ReadAllFields(file, "NME"));
        QVERIFY_THROWS_EXCEPTION(Error, ReadFieldsForKeys(file, 1, {"NME"}));
        QCOMPARE(ReadPaperLines(file, 2), Fields(50));
    }
}

void TestRecordFile::bytesStayBytes()
{
    const RecordBytes file = Record("#101#>\xFC>\xFB>caf\xE9\r\n");
    QCOMPARE(SplitLine(ReadLine(file, "101"), 3).mid(0, 3), Fields({"\xFC", "\xFB", "caf\xE9"}));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
