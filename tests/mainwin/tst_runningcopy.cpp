// One running copy per program folder: a second start on the folder asks the running copy
// to come to the front and ends; a lock left by a copy that ended is taken over.
#include "mainwin/runningcopy.h"
#include "testfolder.h"

#include <QSignalSpy>
#include <QSysInfo>
#include <QtTest>

using namespace orlavine;

class TestRunningCopy : public QObject {
    Q_OBJECT

  private slots:
    void secondStartOnTheFolderIsTurnedAway();
    void lockOfAnEndedCopyIsTakenOver();
};

void TestRunningCopy::secondStartOnTheFolderIsTurnedAway()
{
    TestFolder folder, other;
    bool told = true;
    const auto running = RunningCopy::Claim(folder.path(), &told);
    QVERIFY(running);
    QVERIFY(!told);
    QSignalSpy front(running.get(), &RunningCopy::frontRequested);
    // Another name for the same folder is the same folder.
    QVERIFY(!RunningCopy::Claim(folder.path() + QStringLiteral("/."), &told));
    QVERIFY(told);
    QTRY_COMPARE(front.count(), 1);
    QVERIFY(RunningCopy::Claim(other.path(), &told)); // another pupil's folder
}

void TestRunningCopy::lockOfAnEndedCopyIsTakenOver()
{
    TestFolder folder;
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 pid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const QByteArray lock = QByteArray::number(pid) + "\norlavine\n" +
                            QSysInfo::machineHostName().toUtf8() + "\n";
    folder.write("orlavine.lock", lock);
    bool told = true;
    QVERIFY(RunningCopy::Claim(folder.path(), &told));
    QVERIFY(!told);
}

QTEST_GUILESS_MAIN(TestRunningCopy)
#include "tst_runningcopy.moc"
