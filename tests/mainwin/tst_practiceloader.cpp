// The practice windows' plugin, loaded when the first paper opens: when it cannot be
// loaded, the pupil is told so and the main window goes on. (Its loading and the windows
// it opens are followed by tests/practice/tst_practicejourney and the journey test.)
#include "mainwindowfixture.h"
#include "mainwin/practiceloader.h"

#include <QtTest>

using namespace orlavine;

class TestPracticeLoader : public QObject {
    Q_OBJECT

  private slots:
    void missingLibraryIsReported();
};

void TestPracticeLoader::missingLibraryIsReported()
{
    MainWindowFixture f;
    f.start();
    const QString missing = f.folder.file(QStringLiteral("nowhere/liborlavine_practice.so"));
    LoadPracticeWindowsWhenNeeded(*f.window, missing);
    f.window->OpenPaper(1, 1);
    QCOMPARE(f.popUps.messages.size(), 1);
    QCOMPARE(f.popUps.messages[0],
             QStringLiteral("Part of the program is missing: please install it again."));
    QCOMPARE(f.selection().paper, 102);
    // No practice window came up; the next paper tries again; the main window goes on.
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!window->objectName().startsWith(QStringLiteral("Test")));
    f.window->OpenPaper(2, 1);
    QCOMPARE(f.popUps.messages.size(), 2);
    f.window->TabClick(2);
    QCOMPARE(f.selection().chosenModule, 2);
}

QTEST_MAIN(TestPracticeLoader)
#include "tst_practiceloader.moc"
