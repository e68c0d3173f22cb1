// Screenshots of the practice windows for the README: a paper open, the same paper
// marked, its second attempt after marking, a long answer marked, and a worked solution. Run under an X server (xvfb-run):
//   build/bench/practice/practice_shots OUTPUT_FOLDER [SKIN_FOLDER]
// The pictures of SKIN_FOLDER (by default the program's skin in assets/skin) replace the
// package's, so the shots show the skin the program ships with.
#include "records/learner.h"
#include "practice/answerbox.h"
#include "practice/markingpanel.h"
#include "records/package.h"
#include "records/pictures.h"
#include "chrome/popupbox.h"
#include "practice/practicewindow.h"
#include "testpaper.h"
#include "records/programfolder.h"
#include "chrome/skin.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

#include <unistd.h>

using namespace orlavine;

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

PracticeWindow* OpenPaper(AttemptKind kind, int paper)
{
    PracticeWindow* window = PracticeWindow::Open(TestPaper(kind, paper));
    window->move(20, 20);
    window->activateWindow();
    Wait(1500);
    return window;
}

void Type(PracticeWindow* window, int k, const QString& text)
{
    window->findChild<AnswerBox*>(QString("FA%1").arg(k))->setPlainText(text);
}

void Shoot(PracticeWindow* window, const QString& file)
{
    Wait(300);
    window->grab().save(file);
}

} // namespace

int main(int argc, char** argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    ExtractGraphics();
    const QDir skin(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(ORLAVINE_SKIN_DIR));
    for (const QString& name : skin.entryList(QDir::Files)) {
        const QString target = FindGraphicsFile(name);
        QFile::remove(target);
        QFile::copy(skin.filePath(name), target);
    }
    Skin::reload();
    EnsureLearnerRecords(ReadSettings(), QDateTime::currentDateTime());
    MarkingPanel::SetPause(0);
    SetPopUpAnswerer([](PopUpBox&) { return 1; });

    PracticeWindow* first = OpenPaper(AttemptKind::First, 102);
    first->nextQuestion();
    first->nextQuestion();
    Type(first, 1, "c");
    Type(first, 2, "a");
    Wait(1000);
    Shoot(first, out + "/practice-open.png");
    first->previousQuestion();
    Type(first, 1, "Sand");
    first->previousQuestion();
    Type(first, 1, "Gas");
    first->nextQuestion();
    first->nextQuestion();
    first->markPaper();
    Wait(1000);
    Shoot(first, out + "/practice-marked.png");
    delete first;

    PracticeWindow* second = OpenPaper(AttemptKind::Second, 102);
    second->nextQuestion();
    second->nextQuestion();
    Type(second, 3, "a");
    second->markPaper();
    Wait(1000);
    Shoot(second, out + "/practice-second-marked.png");
    delete second;

    PracticeWindow* longAnswer = OpenPaper(AttemptKind::First, 103);
    Type(longAnswer, 1,
         "Plants take in water through their roots and carbon dioxide through their leaves, "
         "and use the energy of sunlight to make sugar and oxygen");
    longAnswer->markPaper();
    Wait(1000);
    Shoot(longAnswer, out + "/practice-long-answer.png");
    delete longAnswer;

    PracticeWindow* solved = OpenPaper(AttemptKind::First, 101);
    Type(solved, 1, "3");
    solved->markPaper();
    Wait(1000);
    solved->toggleSolution();
    Wait(1000);
    Shoot(solved, out + "/practice-solution.png");
    delete solved;
    SetPopUpAnswerer(nullptr);
    return 0;
}
