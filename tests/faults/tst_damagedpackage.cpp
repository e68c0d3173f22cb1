// A damaged content package: tables cut short at every byte, missing, or not text at
// all. Reading a paper or the settings must give a whole result or an Error the windows
// can show; never a crash, never half a paper.
#include "records/error.h"
#include "records/package.h"
#include "records/papercontent.h"
#include "records/resources.h"
#include "testfolder.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace orlavine;

class TestDamagedPackage : public QObject {
    Q_OBJECT

private slots:
    void tablesCutShort_data();
    void tablesCutShort();
    void tableNotText();
    void tableMissing();
    void settingsCutShort();
};

namespace {

/// A message a pupil can be shown: it says what is wrong, in the program's words.
bool IsClear(const Error& e)
{
    static const QRegularExpression words(QStringLiteral("Record|Paper|resource|Cannot"));
    return !e.message().trimmed().isEmpty() && words.match(e.message()).hasMatch();
}

/// Loads papers 101..110 of module 1; each is whole or an Error. Counts the errors.
int LoadEveryPaper(QStringList& unclear)
{
    int errors = 0;
    for (int paper = 101; paper <= 110; ++paper) {
        try {
            const PaperContent c = LoadPaperContent(1, paper);
            int sum = 0;
            for (int n : c.subAnswerCounts)
                sum += n;
            if (sum != c.subAnswerTotal() || c.subAnswerCounts.size() != c.questionCount() ||
                c.types.size() != c.keys.size() || c.marks.size() != c.keys.size())
                unclear.append(QStringLiteral("paper %1 loaded half").arg(paper));
        } catch (const Error& e) {
            ++errors;
            if (!IsClear(e))
                unclear.append(e.message());
        }
    }
    return errors;
}

} // namespace

void TestDamagedPackage::tablesCutShort_data()
{
    QTest::addColumn<int>("table");
    QTest::newRow("papers") << PaperTableResource(1);
    QTest::newRow("keys") << AnswerKeyResource(1);
    QTest::newRow("types") << AnswerTypeResource(1);
    QTest::newRow("marks") << MarksTableResource(1);
}

void TestDamagedPackage::tablesCutShort()
{
    QFETCH(int, table);
    TestFolder folder;
    const auto package = PackageInMemory::install();
    const QByteArray whole = package->resources.value(table);
    QVERIFY(!whole.isEmpty());
    QStringList unclear;
    int errors = 0;
    int cuts = 0;
    // Every fifth byte: each paper still goes through its scratch files on disk.
    for (qsizetype cut = 0; cut < whole.size(); cut += 5, ++cuts) {
        package->resources[table] = whole.left(cut);
        errors += LoadEveryPaper(unclear);
    }
    qInfo("%d: %d cuts, %d paper loads refused", table, cuts, errors);
    QVERIFY2(unclear.isEmpty(), qPrintable(unclear.join('\n')));
    // Cut to nothing, the table holds no paper at all.
    package->resources[table] = QByteArray();
    QCOMPARE(LoadEveryPaper(unclear), 10);
    QVERIFY(!QFile::exists(folder.file("temptext.txt")));
}

void TestDamagedPackage::tableNotText()
{
    TestFolder folder;
    const auto package = PackageInMemory::install();
    QRandomGenerator random(7);
    QStringList unclear;
    for (int table : {PaperTableResource(1), AnswerKeyResource(1), AnswerTypeResource(1),
                      MarksTableResource(1)}) {
        const QByteArray whole = package->resources.value(table);
        for (int round = 0; round < 20; ++round) {
            QByteArray noise(whole.size(), Qt::Uninitialized);
            for (char& c : noise)
                c = char(random.bounded(256));
            package->resources[table] = noise;
            LoadEveryPaper(unclear);
        }
        package->resources[table] = whole;
    }
    QVERIFY2(unclear.isEmpty(), qPrintable(unclear.join('\n')));
}

void TestDamagedPackage::tableMissing()
{
    TestFolder folder;
    PackageInMemory::install()->resources.remove(AnswerKeyResource(1));
    try {
        LoadPaperContent(1, 101);
        QFAIL("a paper loaded without its answer keys");
    } catch (const Error& e) {
        QCOMPARE(e.reason(), QStringLiteral("The content package has no resource 30013"));
    }
}

void TestDamagedPackage::settingsCutShort()
{
    TestFolder folder;
    const auto package = PackageInMemory::install();
    const QByteArray whole = package->resources.value(kSettingsResource);
    int refused = 0;
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        package->resources[kSettingsResource] = whole.left(cut);
        try {
            const PackageSettings s = ReadSettings();
            for (int m = 1; m <= 3; ++m) {
                const ModuleSettings& module = s.module(m);
                QVERIFY(!module.exists() || (module.topicCount >= 1 && module.topicCount <= 10 &&
                                             module.paperCount >= 0 && module.paperCount <= 50));
            }
        } catch (const Error& e) {
            ++refused;
            QVERIFY2(!e.message().trimmed().isEmpty(), "an empty message");
        }
    }
    qInfo("settings: %lld cuts, %d refused", qlonglong(whole.size()), refused);
    QVERIFY(!QFile::exists(folder.file("temptext30000.txt")));
}

QTEST_GUILESS_MAIN(TestDamagedPackage)
#include "tst_damagedpackage.moc"
