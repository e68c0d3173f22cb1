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

/// A copy of the test package installed as the resource source.
struct DamagedCopy {
    DamagedCopy() { CopyTestPackage(dir.path()); }
    QByteArray read(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void replace(const QString& name, const QByteArray& bytes) const
    {
        WriteFile(dir.filePath(name), bytes);
        SetResourceSource(std::make_shared<FolderResources>(dir.path()));
    }

    QTemporaryDir dir;
};

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
    QTest::addColumn<QString>("table");
    QTest::newRow("papers") << "30012.txt";
    QTest::newRow("keys") << "30013.txt";
    QTest::newRow("types") << "30014.txt";
    QTest::newRow("marks") << "30015.txt";
}

void TestDamagedPackage::tablesCutShort()
{
    QFETCH(QString, table);
    TestFolder folder;
    DamagedCopy copy;
    const QByteArray whole = copy.read(table);
    QVERIFY(!whole.isEmpty());
    QStringList unclear;
    int errors = 0;
    int cuts = 0;
    // Every fifth byte: each scratch file is written to disk, so every byte takes too long.
    for (qsizetype cut = 0; cut < whole.size(); cut += 5, ++cuts) {
        copy.replace(table, whole.left(cut));
        errors += LoadEveryPaper(unclear);
    }
    qInfo("%s: %d cuts, %d paper loads refused", qPrintable(table), cuts, errors);
    QVERIFY2(unclear.isEmpty(), qPrintable(unclear.join('\n')));
    // Cut to nothing, the table holds no paper at all.
    copy.replace(table, QByteArray());
    QCOMPARE(LoadEveryPaper(unclear), 10);
    QVERIFY(!QFile::exists(folder.file("temptext.txt")));
}

void TestDamagedPackage::tableNotText()
{
    TestFolder folder;
    DamagedCopy copy;
    QRandomGenerator random(7);
    QStringList unclear;
    for (const QString& table : QStringList{"30012.txt", "30013.txt", "30014.txt", "30015.txt"}) {
        const QByteArray whole = copy.read(table);
        for (int round = 0; round < 20; ++round) {
            QByteArray noise(whole.size(), Qt::Uninitialized);
            for (char& c : noise)
                c = char(random.bounded(256));
            copy.replace(table, noise);
            LoadEveryPaper(unclear);
        }
        copy.replace(table, whole);
    }
    QVERIFY2(unclear.isEmpty(), qPrintable(unclear.join('\n')));
}

void TestDamagedPackage::tableMissing()
{
    TestFolder folder;
    DamagedCopy copy;
    QVERIFY(QFile::remove(copy.dir.filePath("30013.txt")));
    SetResourceSource(std::make_shared<FolderResources>(copy.dir.path()));
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
    DamagedCopy copy;
    const QString settings = QStringLiteral("30000-settings.txt");
    const QByteArray whole = copy.read(settings);
    int refused = 0;
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        copy.replace(settings, whole.left(cut));
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
