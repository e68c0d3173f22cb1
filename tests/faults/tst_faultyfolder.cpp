// A full disk and a read-only program folder under the windows: the pop-up box says why,
// the learner files stay whole, and the windows go on working once the folder can be
// written again. The folders are small tmpfs mounts, so these tests need root.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"
#include "practicefixture.h"
#include "faultyfolder.h"
#include "records/programfolder.h"

#include <QDir>

using namespace orlavine;

class TestFaultyFolder : public QObject {
    Q_OBJECT

  private slots:
    void fullDiskKeepsTheAnswers();
    void openingOnAFullDisk();
    void readOnlyFolderKeepsTheAnswers();
    void resetOnAReadOnlyFolderErasesNothing();
    void resetOnAFullDiskErasesNothing();
    void resetWithRoomForTheBackupOnly();
};

namespace {

const char* const kBases[] = {"marks", "first", "second", "fresults", "sresults", "trend"};

// Makes `folder` the program folder as a start in it does: pictures, then learner files.
void UseFolder(const QString& folder)
{
    SetProgramFolder(folder);
    ExtractGraphics();
    Skin::reload();
    EnsureLearnerRecords(ReadSettings(), TestStart());
}

// Fills the file system of `folder` to the last byte; returns the filler file.
QString Fill(const QString& folder)
{
    const QString path = folder + "/filler";
    QFile filler(path);
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
    }
    return path;
}

// Every learner file of the folder, one after another.
QByteArray AllRecords(const QString& folder)
{
    QByteArray all;
    for (int m = 1; m <= 3; ++m) {
        for (const char* base : kBases) {
            QFile file(QString("%1/%2%3TS.txt").arg(folder, QLatin1String(base)).arg(m));
            all += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
        }
    }
    return all;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Temporary files a failed save left behind.
QStringList LeftOver(const QString& folder)
{
    return QDir(folder).entryList({"*.new-*"}, QDir::Files);
}

/// Starts the main window on `folder` with one score recorded; returns the learner files.
QByteArray StartWithAScore(MainWindowFixture& f, const QString& folder)
{
    UseFolder(folder);
    f.start();
    f.recordScores(1, {"75"});
    return AllRecords(folder);
}

/// Trash, then Yes, on the reset page in front.
void ConfirmErase(MainWindowFixture& f)
{
    f.child<PictureButton>("ButTrash")->click();
    f.child<PictureButton>("ButTrash_Yes")->click();
}

/// The Help tab's Trash page, then Trash and Yes.
void EraseAllResults(MainWindowFixture& f)
{
    f.window->TabClick(4);
    f.window->ToolBarClick(2);
    ConfirmErase(f);
}

} // namespace

void TestFaultyFolder::fullDiskKeepsTheAnswers()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 2 * 1024 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    PracticeSession s;
    UseFolder(faulty.path());
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    const QByteArray before = AllRecords(faulty.path());
    const QString filler = Fill(faulty.path());

    PracticeSession::type(w, 1, "3");
    PracticeSession::press(w, 1); // Save
    QCOMPARE(s.answers()->titles, QStringList({"Orlavine"}));
    QVERIFY2(s.answers()->messages.last().contains("No space left on device"),
             qPrintable(s.answers()->messages.last()));
    QVERIFY(s.answers()->messages.last().contains("first1TS.txt"));
    PracticeSession::press(w, 2); // Mark: the save before it fails, so nothing is marked
    QCOMPARE(s.answers()->messages.size(), 2);
    QVERIFY(s.answers()->messages.last().contains("No space left on device"));
    PracticeSession::press(w, 6); // Next: the answers could not be saved, so it stays
    QCOMPARE(w->questionNumber(), 1);
    QCOMPARE(AllRecords(faulty.path()), before);
    QCOMPARE(LeftOver(faulty.path()), QStringList());
    QVERIFY(w->isVisible());

    QVERIFY(QFile::remove(filler));
    s.answer({1});
    PracticeSession::press(w, 1);
    QCOMPARE(s.answers()->messages, QStringList({"Paper saved"}));
    QCOMPARE(Read(faulty.path() + "/first1TS.txt"), PaperFile(101, {"3", "", ""}));
    PracticeSession::press(w, 2);
    QTRY_VERIFY(w->attempt().isMarked());
    QCOMPARE(ReadMarksLists(1, "TS", 10)[FST].at(0), QByteArray("1"));
}

// A paper is read through a scratch file: with no room for it the paper does not open.
void TestFaultyFolder::openingOnAFullDisk()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 2 * 1024 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    PracticeSession s;
    UseFolder(faulty.path());
    const QByteArray before = AllRecords(faulty.path());
    const QString filler = Fill(faulty.path());
    QVERIFY(!s.open(AttemptKind::First, 101));
    QCOMPARE(s.answers()->titles, QStringList({"Orlavine"}));
    QVERIFY2(s.answers()->messages.last().contains("cannot be written to the program folder"),
             qPrintable(s.answers()->messages.last()));
    QCOMPARE(AllRecords(faulty.path()), before);

    QVERIFY(QFile::remove(filler));
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    QCOMPARE(w->questionNumber(), 1);
}

void TestFaultyFolder::readOnlyFolderKeepsTheAnswers()
{
    FaultyFolder faulty(FaultyFolder::ReadOnly);
    if (!faulty.available())
        QSKIP("needs root to mount a read-only folder");
    PracticeSession s;
    UseFolder(faulty.path());
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    const QByteArray before = AllRecords(faulty.path());
    QVERIFY(faulty.makeReadOnly());

    PracticeSession::type(w, 1, "3");
    PracticeSession::press(w, 1);
    QCOMPARE(s.answers()->titles, QStringList({"Orlavine"}));
    QVERIFY2(s.answers()->messages.last().contains("Read-only file system"),
             qPrintable(s.answers()->messages.last()));
    PracticeSession::press(w, 2);
    QCOMPARE(s.answers()->messages.size(), 2);
    QVERIFY(!s.answers()->messages.contains("Paper saved"));
    QVERIFY(!w->attempt().isMarked());
    QCOMPARE(AllRecords(faulty.path()), before);

    QVERIFY(faulty.makeWritable());
    s.answer({1});
    QVERIFY(PracticeSession::waitForPage(w, [&] { PracticeSession::press(w, 6); }));
    QCOMPARE(w->questionNumber(), 2);
    QCOMPARE(s.answers()->messages, QStringList());
    QCOMPARE(Read(faulty.path() + "/first1TS.txt"), PaperFile(101, {"3", "", ""}));
}

void TestFaultyFolder::resetOnAReadOnlyFolderErasesNothing()
{
    FaultyFolder faulty(FaultyFolder::ReadOnly);
    if (!faulty.available())
        QSKIP("needs root to mount a read-only folder");
    MainWindowFixture f;
    const QByteArray before = StartWithAScore(f, faulty.path());
    QVERIFY(faulty.makeReadOnly());
    EraseAllResults(f);
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY2(f.popUps.messages.first().contains("Cannot make a backup of your results"),
             qPrintable(f.popUps.messages.first()));
    QVERIFY(f.child("Trashlbl3")->isHidden());
    QVERIFY(!f.child("ButTrash")->isHidden());
    QCOMPARE(AllRecords(faulty.path()), before);

    QVERIFY(faulty.makeWritable());
    ConfirmErase(f);
    QCOMPARE(f.popUps.messages.size(), 1);
    QVERIFY(!f.child("Trashlbl3")->isHidden());
    QVERIFY(AllRecords(faulty.path()) != before);
}

void TestFaultyFolder::resetOnAFullDiskErasesNothing()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 2 * 1024 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    MainWindowFixture f;
    const QByteArray before = StartWithAScore(f, faulty.path());
    Fill(faulty.path());
    EraseAllResults(f);
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY2(f.popUps.messages.first().contains("No space left on device"),
             qPrintable(f.popUps.messages.first()));
    QVERIFY(!f.child("ButTrash")->isHidden());
    QCOMPARE(AllRecords(faulty.path()), before);
}

// The backup fits, the fresh files do not: the page must not say the results were erased.
void TestFaultyFolder::resetWithRoomForTheBackupOnly()
{
    FaultyFolder faulty(FaultyFolder::Tiny, 2 * 1024 * 1024);
    if (!faulty.available())
        QSKIP("needs root to mount a small file system");
    MainWindowFixture f;
    const QByteArray before = StartWithAScore(f, faulty.path());
    QFile filler(Fill(faulty.path()));
    // A page of the file system for each of the 18 copies.
    QVERIFY(filler.resize(filler.size() - 18 * 4096));
    EraseAllResults(f);
    const QDir backups(faulty.path() + "/Backup");
    QCOMPARE(backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    QCOMPARE(f.popUps.titles, QStringList({"Orlavine"}));
    QVERIFY2(f.popUps.messages.first().startsWith("Cannot erase all your results"),
             qPrintable(f.popUps.messages.first()));
    QVERIFY(f.child("Trashlbl3")->isHidden());
    QVERIFY(!f.child("ButTrash")->isHidden());
    QCOMPARE(AllRecords(faulty.path()), before);
}

ORLAVINE_GUI_TEST_MAIN(TestFaultyFolder)
#include "tst_faultyfolder.moc"
