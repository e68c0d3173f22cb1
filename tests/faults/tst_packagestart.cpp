// The program started on a package folder (--package): a whole one opens with the pupil's
// records kept apart under its code; a damaged one is refused in the pop-up box, naming
// its first problems.
#include "app/packagefolder.h"
#include "chrome/popupbox.h"
#include "records/package.h"
#include "records/recordfile.h"
#include "records/resources.h"
#include "testfolder.h"

#include <QProcess>
#include <QtTest>

using namespace orlavine;

class TestPackageStart : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsOwnRecords_data();
    void opensWithItsOwnRecords();
    void damagedFolderRefused();
};

void TestPackageStart::opensWithItsOwnRecords_data()
{
    QTest::addColumn<QString>("package");
    QTest::newRow("test package") << TestPackageFolder();
#ifdef ORLAVINE_SAMPLE_PACKAGE
    QTest::newRow("sample built from its source") << QStringLiteral(ORLAVINE_SAMPLE_PACKAGE);
#endif
}

void TestPackageStart::opensWithItsOwnRecords()
{
#ifndef ORLAVINE_PROGRAM
    QSKIP("the program is run in the ordinary build only");
#else
    QFETCH(QString, package);
    TestFolder home;
    const QString code = QString::fromLatin1(
        ReadValue(FolderResources(package).fileOf(kSettingsResource), "COD"));
    QVERIFY(!code.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.file(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORLAVINE_PROGRAM),
                  {QStringLiteral("--package"), package});
    const QString records = home.file(QStringLiteral("data/orlavine/packages/") + code);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(records + QStringLiteral("/marks1%1.txt").arg(code)),
                             30000);
    QCOMPARE(program.state(), QProcess::Running);
    // Nothing beside the package's own folder: a pupil's results there stay untouched.
    QCOMPARE(QDir(home.file(QStringLiteral("data/orlavine")))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("packages")});
    program.kill();
    program.waitForFinished();
#endif
}

void TestPackageStart::damagedFolderRefused()
{
    TestFolder folder;
    CopyTestPackage(folder.path());
    for (int id = 16001; id <= 16006; ++id)
        QVERIFY(QFile::remove(FolderResources(folder.path()).fileOf(id)));
    const ResourceSource* before = &CurrentResources();
    QString message;
    SetPopUpAnswerer([&message](PopUpBox& box) {
        message = box.accessibleDescription();
        return 1;
    });
    const QString programFolder = UsePackageFolder(folder.path(), QString());
    SetPopUpAnswerer({});
    QVERIFY(programFolder.isEmpty());
    QCOMPARE(&CurrentResources(), before);
    QVERIFY2(message.contains(QStringLiteral(
                 "resource 16001, paper 101, question 1 (16001): the question's page is missing")),
             qPrintable(message));
    QVERIFY2(message.endsWith(QStringLiteral("\nand 2 more")), qPrintable(message));
}

QTEST_MAIN(TestPackageStart)
#include "tst_packagestart.moc"
