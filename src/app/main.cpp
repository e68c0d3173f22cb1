#include "contents.h"
#include "error.h"
#include "practicehooks.h"
#include "programfolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // The practice windows' page viewer shares its GL contexts, and runs without its
    // sandbox only when it must (as root).
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orlavine"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Keep the program's files and the pupil's results in DIR."),
        QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.process(app);

    try {
        orlavine::SetProgramFolder(orlavine::ChooseProgramFolder(
            parser.value(folder), QApplication::applicationDirPath()));
    } catch (const orlavine::Error& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Orlavine"), e.message());
        return 1;
    }
    orlavine::Contents window;
    orlavine::AttachPracticeWindows(window);
    window.show();
    window.activateWindow(); // the first window starts active even without a window manager
    return app.exec();
}
