#include "app/packagefolder.h"
#include "mainwin/contents.h"
#include "records/error.h"
#include "chrome/popupbox.h"
#include "mainwin/practiceloader.h"
#include "mainwin/runningcopy.h"
#include "records/programfolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <cstdio>
#include <unistd.h>

namespace {

/// Answers --help and --version, and refuses what it does not know, before any window
/// system is needed: both work without a display. Returns the exit code, or -1 to go on.
int AnswerCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "orlavine: %s\nTry 'orlavine --help' for the options.\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "orlavine: unexpected argument '%s'\nTry 'orlavine --help' for the options.\n",
                     qPrintable(parser.positionalArguments().first()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // No application object exists yet to name the program in the usage line.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("orlavine"));
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("orlavine %s\n", PROJECT_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("orlavine"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orlavine Practice: exam practice papers, marked as you go."));
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Keep the program's files and the pupil's results in DIR."),
        QStringLiteral("DIR"));
    parser.addOption(folder);
    const QCommandLineOption package(
        QStringLiteral("package"),
        QStringLiteral("Run on the package in DIR instead of the one built in; the pupil's "
                       "results for it are kept apart."),
        QStringLiteral("DIR"));
    parser.addOption(package);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const int code = AnswerCommandLine(parser, arguments); code >= 0)
        return code;

    // The practice windows' page viewer runs without its sandbox only when it must (as root).
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);

    QString requestedFolder = parser.value(folder);
    if (parser.isSet(package)) {
        requestedFolder = orlavine::UsePackageFolder(parser.value(package), requestedFolder);
        if (requestedFolder.isEmpty())
            return 1;
    }
    try {
        // An installed program keeps its files in the per-user folder even where it
        // could write beside itself (as root), never among the system's programs.
        const QString executableFolder = QApplication::applicationDirPath();
        const bool installed = QDir(executableFolder) == QDir(QStringLiteral(ORLAVINE_INSTALLED_BINDIR));
        orlavine::SetProgramFolder(orlavine::ChooseProgramFolder(
            requestedFolder, installed ? QString() : executableFolder));
    } catch (const orlavine::Error& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Orlavine"), e.message());
        return 1;
    }
    // One running copy per folder: a second one would write the same records.
    bool toldRunningCopy = false;
    const auto runningCopy = orlavine::RunningCopy::Claim(orlavine::ProgramFolder(), &toldRunningCopy);
    if (!runningCopy) {
        if (!toldRunningCopy)
            orlavine::CallPop(QStringLiteral("Orlavine"),
                              QStringLiteral("The program is already open."), 1, nullptr);
        return 0;
    }
    orlavine::Contents window;
    QObject::connect(runningCopy.get(), &orlavine::RunningCopy::frontRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    orlavine::LoadPracticeWindowsWhenNeeded(
        window, QApplication::applicationDirPath() + QStringLiteral("/" ORLAVINE_PRACTICE_PLUGIN));
    window.show();
    window.activateWindow(); // the first window starts active even without a window manager
    return app.exec();
}
