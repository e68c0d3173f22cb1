// The content package: resources written to files, pictures, settings, a paper's content.
#include "records/error.h"
#include "faultyfolder.h"
#include "records/package.h"
#include "records/papercontent.h"
#include "records/pictures.h"
#include "records/programfolder.h"
#include "records/resources.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine;

class TestPackage : public QObject {
    Q_OBJECT

private slots:
    void writeResourceFileCutsLongerFile();
    void writeResourceFileFailures();
    void extractGraphicsExactNames();
    void graphicsMatchedWithoutCase();
    void settingsOfThreeModules();
    void settingsUnreadableMeansNoModule();
    void settingsIgnoreUnlabelledModule();
    void paperContent();
    void paperOfEightySubAnswers();
    void damagedPaperIsAnError();
    void programFolderChoice();
    void readOnlyExecutableFolderFallsBack();
};

void TestPackage::writeResourceFileCutsLongerFile()
{
    TestFolder folder;
    const QString path = folder.write("trend.txt", QByteArray(200, 'x'));
    QCOMPARE(WriteResourceFile(30116, "Custom", path), 0);
    QCOMPARE(folder.read("trend.txt"), QByteArray("#TRD#"));
}

void TestPackage::writeResourceFileFailures()
{
    TestFolder folder;
    QCOMPARE(WriteResourceFile(29999, "Custom", folder.file("x")), int(ResourceNotFound));
    QCOMPARE(WriteResourceFile(30000, "Other", folder.file("x")), int(ResourceNotFound));
    QCOMPARE(WriteResourceFile(30000, "Custom", folder.file("no/such/folder/x")), int(ResourceFileNotWritten));
    QVERIFY(!QFile::exists(folder.file("x")));
    QVERIFY(!ResourceWriteError(ResourceNotFound, 29999).isEmpty());
}

void TestPackage::extractGraphicsExactNames()
{
    TestFolder folder;
    QCOMPARE(PictureResources().size(), 92);
    QCOMPARE(ExtractGraphics(), 0);
    const QStringList names = QDir(folder.file("Graphics")).entryList(QDir::Files);
    QCOMPARE(names.size(), 92);
    for (const char* name : {"Handle.bmp", "Logo.gif", "Border_bot_left.gif", "pencil.ico",
                             "about_off.bmp", "bar.bmp", "solution_pressed.bmp"})
        QVERIFY2(names.contains(name), name);
    QCOMPARE(PictureResources().first().id, 1);
    QCOMPARE(PictureResources().at(37).id, 41);
    QCOMPARE(PictureResources().last().id, 95);
    // Written again over what is there; a sharper drawing the package does not carry goes.
    folder.write("Graphics/bar.bmp", "junk");
    folder.write("Graphics/home_off@2x.png", "from an earlier package");
    QCOMPARE(ExtractGraphics(), 0);
    QVERIFY(folder.read("Graphics/bar.bmp").startsWith("BM"));
    QVERIFY(!QFile::exists(folder.file("Graphics/home_off@2x.png")));
    QCOMPARE(SharpPictureResources().first().id, 101);
    QCOMPARE(SharpPictureResources().last().fileName, QStringLiteral("solution_pressed@2x.png"));
}

void TestPackage::graphicsMatchedWithoutCase()
{
    TestFolder folder;
    ExtractGraphics();
    QCOMPARE(FindGraphicsFile("Pencil.ico"), folder.file("Graphics/pencil.ico"));
    QCOMPARE(FindGraphicsFile("handle.BMP"), folder.file("Graphics/Handle.bmp"));
    QCOMPARE(FindGraphicsFile("none.bmp"), folder.file("Graphics/none.bmp"));
}

void TestPackage::settingsOfThreeModules()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    QCOMPARE(settings.name, QByteArray("Test Practice"));
    QCOMPARE(settings.code, QByteArray("TS"));
    QCOMPARE(settings.firstModule(), 1);
    QCOMPARE(settings.module(2).label, QByteArray("Beta"));
    QCOMPARE(settings.module(2).topicCount, 3);
    QCOMPARE(settings.module(2).paperCount, 15);
    QCOMPARE(settings.module(2).topicNames.size(), 10);
    QCOMPARE(settings.module(2).topicNames.at(2), QByteArray("Mock Examination"));
    QVERIFY(settings.module(2).topicNames.at(3).isEmpty());
    QVERIFY(!QFile::exists(folder.file("temptext30000.txt")));
}

void TestPackage::settingsUnreadableMeansNoModule()
{
    TestFolder folder;
    QTemporaryDir empty;
    SetResourceSource(std::make_shared<FolderResources>(empty.path()));
    const PackageSettings settings = ReadSettings();
    QCOMPARE(settings.firstModule(), 0);
    QVERIFY(settings.name.isEmpty());
}

void TestPackage::settingsIgnoreUnlabelledModule()
{
    TestFolder folder;
    QByteArray& table = PackageInMemory::install()->resources[kSettingsResource];
    QVERIFY(table.contains("#LAH#>Alpha") && table.contains("#TT2#>3"));
    table.replace("#LAH#>Alpha", "#LAH#>").replace("#TT2#>3", "#TT2#>many");
    // Module 1 has counts and names but no label: it does not exist. Module 2's
    // damaged topic count is reported, not taken as zero.
    QVERIFY_THROWS_EXCEPTION(Error, ReadSettings());
    table.replace("#TT2#>many", "#TT2#>3");
    const PackageSettings settings = ReadSettings();
    QVERIFY(!settings.module(1).exists());
    QCOMPARE(settings.module(1).topicCount, 0);
    QCOMPARE(settings.firstModule(), 2);
}

void TestPackage::paperContent()
{
    TestFolder folder;
    const PaperContent paper = LoadPaperContent(1, 102);
    QCOMPARE(paper.questionIds, Fields({"16004", "16005", "16006", "16007"}));
    QCOMPARE(paper.subAnswerCounts, QList<int>({1, 2, 3, 1}));
    QCOMPARE(paper.keys, Fields({";Gas;Gaseous", ";Sand;Wood", " ", ";a;b;c", " ", " ", ";Respond;React"}));
    QCOMPARE(paper.types, Fields({"M", "G", "G", "G", "G", "G", "M"}));
    QCOMPARE(paper.subAnswerTotal(), 7);
    QCOMPARE(paper.totalMarks, 7);
    QCOMPARE(paper.offsetOf(2), 3);
    QVERIFY(!QFile::exists(folder.file("temptext.txt")));
    QCOMPARE(QuestionPagePath("16004"), folder.file("temppaper16004.mht"));
}

void TestPackage::paperOfEightySubAnswers()
{
    TestFolder folder;
    const PaperContent paper = LoadPaperContent(1, 104);
    QCOMPARE(paper.subAnswerTotal(), 80);
    QCOMPARE(paper.questionCount(), 8);
    QCOMPARE(paper.totalMarks, 81);
}

void TestPackage::damagedPaperIsAnError()
{
    TestFolder folder;
    QByteArray& types = PackageInMemory::install()->resources[AnswerTypeResource(1)];
    // A type table whose line for 16001 lost its field: the lists would disagree.
    QVERIFY(types.contains("#16001#>Q"));
    types.replace("#16001#>Q", "#16001#");
    QVERIFY_THROWS_EXCEPTION(Error, LoadPaperContent(1, 101));
    QVERIFY_THROWS_EXCEPTION(Error, LoadPaperContent(1, 149)); // no such paper
    QVERIFY(!QFile::exists(folder.file("temptext.txt")));
}

void TestPackage::programFolderChoice()
{
    QTemporaryDir writable;
    QCOMPARE(ChooseProgramFolder(QString(), writable.path()), writable.path());
    // An installed program (no executable folder to use) goes to the per-user folder.
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(ChooseProgramFolder(QString(), QString()),
             QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    const QString requested = writable.filePath("pupil/two");
    QCOMPARE(ChooseProgramFolder(requested, writable.path()), requested);
    QVERIFY(QFileInfo(requested).isDir());
}

void TestPackage::readOnlyExecutableFolderFallsBack()
{
    FaultyFolder faulty(FaultyFolder::ReadOnly);
    if (!faulty.available())
        QSKIP("needs root to mount a read-only folder");
    QVERIFY(faulty.makeReadOnly());
    QStandardPaths::setTestModeEnabled(true);
    const QString chosen = ChooseProgramFolder(QString(), faulty.path());
    QCOMPARE(chosen, QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QVERIFY(QFileInfo(chosen).isDir());
    // A read-only folder asked for explicitly is taken as it is; writes then fail with
    // a message instead of going elsewhere behind the pupil's back.
    QCOMPARE(ChooseProgramFolder(faulty.path(), QString()), faulty.path());
    SetProgramFolder(faulty.path());
    QCOMPARE(ExtractGraphics(), 92);
    SetProgramFolder(QString());
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
