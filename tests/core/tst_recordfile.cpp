// Reading record files: key matching, field extraction, forward passes, errors.
#include "records/error.h"
#include "records/recordfile.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine;

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
    void emptyOrShortFileHoldsNoKey();
    void bytesStayBytes();
};

void TestRecordFile::readValueAndLine()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "...\r\n#TT2#>10\r\n#LAH#\r\n#FSE#>a>b\r\n#NME#>Name > more\r\n...");
    QCOMPARE(ReadValue(path, "TT2"), QByteArray("10"));
    QCOMPARE(ReadValue(path, "LAH"), QByteArray());
    QCOMPARE(ReadValue(path, "XYZ"), QByteArray());
    QCOMPARE(ReadValue(path, "NME"), QByteArray("Name > more"));
    QCOMPARE(ReadLine(path, "fse"), QByteArray("#FSE#>a>b"));
    QCOMPARE(ReadLine(path, "ABC"), QByteArray());
}

void TestRecordFile::readFieldsKeepsFullSize()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "#FSE#>1>2>3\r\n#TN1#>a>b>c>d\r\n");
    const Fields fse = ReadFields50(path, "fse", 2);
    QCOMPARE(fse.size(), 50);
    QCOMPARE(fse.at(0), QByteArray("1"));
    QCOMPARE(fse.at(1), QByteArray("2>3"));
    QVERIFY(fse.at(2).isEmpty());
    const Fields names = ReadFields(path, "TN1", 4);
    QCOMPARE(names.size(), 10);
    QCOMPARE(names.at(3), QByteArray("d"));
    // n = 0 gives an empty list whether the key exists or not.
    QCOMPARE(ReadFields50(path, "ABC", 0), Fields(50));
}

void TestRecordFile::readFieldsErrors()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "#FSE#>1>2>3\r\n");
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(path, "FSE", 4));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(path, "SSE", 1));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields(path, "FSE", 11));
    try {
        ReadFields50(path, "SSE", 1);
    } catch (const Error& e) {
        QCOMPARE(e.file(), path);
        QVERIFY(e.message().contains("SSE"));
    }
}

void TestRecordFile::readAllFields()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "#101#>16001>16002>16003\r\n#102#>\r\n#103#\r\n");
    QCOMPARE(ReadAllFields(path, "101"), Fields({"16001", "16002", "16003"}));
    QCOMPARE(ReadAllFields(path, "102"), Fields({""}));
    QCOMPARE(ReadAllFields(path, "103"), Fields());
    QVERIFY_THROWS_EXCEPTION(Error, ReadAllFields(path, "104"));
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
    TestFolder folder;
    const QString path = folder.write("t.txt", "...\r\n#101#>a\r\n#103#>c\r\n#102#>b\r\n...");
    const Fields lines = ReadPaperLines(path, 3);
    QCOMPARE(lines.size(), 50);
    QCOMPARE(lines.at(0), QByteArray("#101#>a"));
    QCOMPARE(lines.at(1), QByteArray("#102#>b"));
    QVERIFY(lines.at(2).isEmpty()); // the search for 103 starts after 102
}

void TestRecordFile::fieldsForKeysForwardPass()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "...\r\n#16001#>1\r\n#16002#>;a;b> \r\n#16003#>x>y>z\r\n...");
    const Fields keys = {"16001", "16002", "16003"};
    QCOMPARE(ReadFieldsForKeys(path, 3, keys), Fields({"1", ";a;b", " ", "x", "y", "z"}));
    QCOMPARE(CountFieldsForKeys(path, 3, keys), QList<int>({1, 2, 3}));
    // Keys out of file order are not found by the forward pass.
    QVERIFY_THROWS_EXCEPTION(Error, ReadFieldsForKeys(path, 2, {"16002", "16001"}));
    QVERIFY_THROWS_EXCEPTION(Error, CountFieldsForKeys(path, 1, {"16009"}));
}

void TestRecordFile::missingFileIsAnError()
{
    TestFolder folder;
    const QString path = folder.file("none.txt");
    QVERIFY_THROWS_EXCEPTION(Error, ReadValue(path, "NME"));
    QVERIFY_THROWS_EXCEPTION(Error, ReadLine(path, "NME"));
    QVERIFY_THROWS_EXCEPTION(Error, ReadPaperLines(path, 1));
    QVERIFY_THROWS_EXCEPTION(Error, ReadFields50(path, "FSE", 0));
}

// An empty file (a learner file cut to nothing) once sent the key search past the end.
void TestRecordFile::emptyOrShortFileHoldsNoKey()
{
    TestFolder folder;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("#"), QByteArray("#NM")}) {
        const QString path = folder.write("t.txt", bytes);
        QCOMPARE(ReadValue(path, "NME"), QByteArray());
        QCOMPARE(ReadLine(path, "NME"), QByteArray());
        QCOMPARE(ReadFields(path, "NME", 0), Fields(10));
        QVERIFY_THROWS_EXCEPTION(Error, ReadAllFields(path, "NME"));
        QVERIFY_THROWS_EXCEPTION(Error, ReadFieldsForKeys(path, 1, {"NME"}));
        QCOMPARE(ReadPaperLines(path, 2), Fields(50));
    }
}

void TestRecordFile::bytesStayBytes()
{
    TestFolder folder;
    const QString path = folder.write("t.txt", "#101#>\xFC>\xFB>caf\xE9\r\n");
    QCOMPARE(SplitLine(ReadLine(path, "101"), 3).mid(0, 3), Fields({"\xFC", "\xFB", "caf\xE9"}));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
