// Shows question pages in the viewer the practice windows use and saves a screenshot of
// each: orlavine-pageshot [--width W] [--height H] OUTDIR PAGE.mht...
// Meant for looking at a package's pages under Xvfb.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineView>

#include <unistd.h>

namespace {

/// Loads `page` into `view` and waits for the load to finish plus a moment for painting.
bool LoadAndSettle(QWebEngineView& view, const QString& page)
{
    QEventLoop loop;
    bool ok = false;
    const auto connection =
        QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool success) {
            ok = success;
            QTimer::singleShot(400, &loop, &QEventLoop::quit);
        });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    loop.exec();
    QObject::disconnect(connection);
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves a screenshot of each question page."));
    parser.addHelpOption();
    const QCommandLineOption width(QStringLiteral("width"), QStringLiteral("Viewer width."),
                                   QStringLiteral("W"), QStringLiteral("640"));
    const QCommandLineOption height(QStringLiteral("height"), QStringLiteral("Viewer height."),
                                    QStringLiteral("H"), QStringLiteral("560"));
    parser.addOption(width);
    parser.addOption(height);
    parser.addPositionalArgument(QStringLiteral("outdir"),
                                 QStringLiteral("Folder for the PNG files."));
    parser.addPositionalArgument(QStringLiteral("pages"), QStringLiteral("MHTML pages to show."),
                                 QStringLiteral("PAGE..."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() < 2)
        parser.showHelp(2);

    QDir().mkpath(args.first());
    int failed = 0;
    {
        QWebEngineView view;
        view.resize(parser.value(width).toInt(), parser.value(height).toInt());
        view.show();
        for (const QString& page : args.mid(1)) {
            const QString png =
                QDir(args.first())
                    .filePath(QFileInfo(page).completeBaseName() + QStringLiteral(".png"));
            if (!LoadAndSettle(view, page) || !view.grab().save(png)) {
                qWarning("%s: not shown", qPrintable(page));
                ++failed;
            }
        }
    }
    return failed == 0 ? 0 : 1;
}
