#include "programfolder.h"
#include "startwindow.h"
#include "error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orlavine"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(QStringLiteral("folder"),
                                    QStringLiteral("Keep the program's files and the pupil's results in DIR."),
                                    QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.process(app);

    try {
        orlavine::SetProgramFolder(
            orlavine::ChooseProgramFolder(parser.value(folder), QApplication::applicationDirPath()));
    } catch (const orlavine::Error& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Orlavine"), e.message());
        return 1;
    }
    orlavine::StartWindow window;
    window.show();
    return app.exec();
}
