// Takes the README's screenshots of the main window and the pop-up box with the real skin:
//     mainwin_screenshots <output folder>
// Run it under an X server (xvfb-run -a -s "-screen 0 1280x1024x24"). It uses a copy of the
// test package whose pictures are replaced by assets/skin, and a temporary program folder.
#include "mainwin/contents.h"
#include "records/learner.h"
#include "chrome/picturebutton.h"
#include "chrome/popupbox.h"
#include "records/programfolder.h"
#include "records/resources.h"
#include "testfolder.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orlavine;

namespace {

void UseRealSkin(const QString& package)
{
    const QDir skin(QStringLiteral(ORLAVINE_SOURCE_DIR "/assets/skin"));
    QDir dir(package);
    for (const QString& file : dir.entryList(QDir::Files)) {
        const QString name = file.section(QLatin1Char('-'), 1);
        for (const QString& picture : skin.entryList(QDir::Files)) {
            if (picture.compare(name, Qt::CaseInsensitive) == 0) {
                QFile::remove(dir.filePath(file));
                QFile::copy(skin.filePath(picture), dir.filePath(file));
            }
        }
    }
}

void Settle(int ms = 300)
{
    QTest::qWait(ms);
}

void Shoot(const QWidget& window, const QString& path)
{
    Settle();
    const QRect area = window.frameGeometry().adjusted(-4, -4, 4, 4) & window.screen()->geometry();
    QApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(path);
}

void RecordScores(const PackageSettings& settings)
{
    MarksLists marks;
    for (auto& list : marks)
        list = Fields(50, "");
    const QList<QByteArray> first = {"100", "99.5", "72.7", "42.9", "", "88.8", "60"};
    for (int i = 0; i < first.size(); ++i) {
        marks[FSE][i] = first[i];
        marks[FST][i] = first[i].isEmpty() ? "0" : "1";
        marks[SST][i] = "0";
    }
    marks[SSE][3] = "85.7";
    WriteMarksLists(marks, 2, settings.code, settings.module(2).paperCount);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    TestFolder folder;
    QTemporaryDir package;
    CopyTestPackage(package.path());
    UseRealSkin(package.path());
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")), "#NME#>Test Practice",
                  "#NME#>Orlavine Practice");
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")), "#LBH#>Beta",
                  "#LBH#>Mathematics");
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")), "#TT2#>3", "#TT2#>8");
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")), "#TP2#>15", "#TP2#>40");
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")),
                  "#TN2#>Shapes>Groups>Mock Examination",
                  "#TN2#>Whole Numbers>Fractions>Decimals>Percentages>Algebra>Shapes and "
                  "Angles>Data Handling>Mock Examination");
    SetResourceSource(std::make_shared<FolderResources>(package.path()));

    auto window = std::make_unique<Contents>();
    window->show();
    window->activateWindow();
    window->TabClick(2);
    Shoot(*window, out + QStringLiteral("/home_fresh.png"));

    RecordScores(window->settings());
    window->RefreshContents();
    Shoot(*window, out + QStringLiteral("/home_scores.png"));

    window->TabClick(4);
    Shoot(*window, out + QStringLiteral("/about.png"));
    window->ToolBarClick(2);
    Shoot(*window, out + QStringLiteral("/reset_invite.png"));
    window->findChild<PictureButton*>(QStringLiteral("ButTrash"))->click();
    Shoot(*window, out + QStringLiteral("/reset_confirm.png"));
    window->findChild<PictureButton*>(QStringLiteral("ButTrash_Yes"))->click();
    Shoot(*window, out + QStringLiteral("/reset_done.png"));

    window->TabClick(2);
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<PopUpBox*>(QApplication::activeModalWidget());
        Shoot(*window, out + QStringLiteral("/popup.png"));
        box->press(1);
    });
    CallPop(QStringLiteral("Marking"),
            QStringLiteral("Do you want to mark your practice now?"), 2, window.get());
    window.reset();

    // Long topic names: two lines where the column has room, elided with a hint beyond.
    ReplaceInFile(package.filePath(QStringLiteral("30000-settings.txt")),
                  "#TN2#>Whole Numbers>Fractions>Decimals>Percentages>Algebra>Shapes and "
                  "Angles>Data Handling>Mock Examination",
                  "#TN2#>Whole Numbers>Addition and Subtraction of Mixed Numbers>Fractions, "
                  "Decimals and Percentages>Ratio and Proportion>Algebraic Expressions and "
                  "Simple Equations>Shapes and Angles>Perimeter, Area and Volume of Compound "
                  "Shapes and Solids>Mock Examination");
    window = std::make_unique<Contents>();
    window->show();
    window->activateWindow();
    window->TabClick(2);
    window->findChild<ClickLabel*>(QStringLiteral("Topic2"))->clicked();
    Shoot(*window, out + QStringLiteral("/home_long_names.png"));
    window.reset();

    // The next start finds a module's marks file gone: its results start afresh.
    QFile::remove(folder.file(QStringLiteral("marks2TS.txt")));
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<PopUpBox*>(QApplication::activeModalWidget());
        Shoot(*box, out + QStringLiteral("/startup_reset.png"));
        box->press(1);
    });
    window = std::make_unique<Contents>();
    window.reset();
    return 0;
}
