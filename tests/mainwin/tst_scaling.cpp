// The windows stay whole and legible at any display scaling: run at QT_SCALE_FACTOR 1,
// 1.5 and 2 (see CMakeLists.txt), every shown text fits its label and the windows fit the
// screen.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"
#include "chrome/popupbox.h"
#include "mainwin/reportpage.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

using namespace orlavine;

class TestScaling : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowTextsFit();
    void popUpTextsFit();
};

namespace {

/// True when `widget` lies on a page (Body_...) below `root`: each page is checked while
/// it is in front.
bool OnAnotherPage(const QWidget* widget, const QWidget* root)
{
    for (const QWidget* w = widget->parentWidget(); w && w != root; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("Body_")))
            return true;
    }
    return false;
}

/// The names of the labels under `root` whose text does not fit them.
QStringList Clipped(const QWidget* root)
{
    QStringList clipped;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(root->window()) ||
            OnAnotherPage(label, root))
            continue;
        const QRect room = label->contentsRect();
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->indent() <=
                          room.width() + 1 &&
                      label->fontMetrics().height() <= room.height();
        if (!fits)
            clipped << label->objectName() + QStringLiteral(" \"") + label->text() +
                           QLatin1Char('"');
    }
    return clipped;
}

/// The names of the controls under `page` that lie partly above or below it, or, for a
/// button, beside it: cut off, unless the page scrolls to them. Empty labels and the
/// paper bands, which run on under the page's right edge by design, need no room.
QStringList CutOff(const QWidget* page)
{
    QStringList cut;
    for (const QWidget* widget : page->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (!widget->isVisibleTo(page->window()) || OnAnotherPage(widget, page) ||
            widget->objectName().isEmpty() || (label && label->text().isEmpty() && label->pixmap().isNull()))
            continue;
        const QRect area(widget->mapTo(page, QPoint(0, 0)), widget->size());
        const bool across = qobject_cast<const PictureButton*>(widget) != nullptr;
        if (area.top() < 0 || area.bottom() > page->height() - 1 ||
            (across && (area.left() < 0 || area.right() > page->width() - 1)))
            cut << widget->objectName();
    }
    return cut;
}

} // namespace

void TestScaling::mainWindowTextsFit()
{
    MainWindowFixture f;
    // A caption too long for its tab, as a teacher's package may have.
    QVERIFY(f.package.editSettings("#LBH#>Beta", "#LBH#>Living Things and Forces"));
    QVERIFY(f.package.editSettings("#TN2#>Shapes>Groups>Mock Examination",
                                   "#TN2#>Shapes and Angles>Groups>Mock Examination"));
    f.package.install();
    f.start();
    f.recordScores(2, {"100", "99.5", "42.9"}, {"", "", "85.7"});
    f.show();
    QVERIFY(f.window->screen()->availableGeometry().contains(f.window->frameGeometry()));
    f.window->TabClick(2);
    QCOMPARE(Clipped(f.child("Body_Home")), QStringList());
    QCOMPARE(CutOff(f.child("Body_Home")).join(QLatin1Char(',')), QString());
    QCOMPARE(Clipped(f.child("TabStrip")), QStringList());
    QCOMPARE(Clipped(f.window.get()), QStringList());
    QVERIFY(f.child<QLabel>("Tab02lbl")->text().endsWith(QChar(0x2026)));
    QVERIFY(f.child("Tab02")->toolTip().startsWith("Living Things and Forces"));
    // The report page, one open section at a time.
    const char* sections[] = {"RC1Summary", "RC2Topical", "RC3Trend"};
    for (int section = 1; section <= 3; ++section) {
        f.window->ToolBarClick(2);
        f.child<ReportPage>("Body_Report")->openSection(section);
        QCOMPARE(Clipped(f.child(sections[section - 1])), QStringList());
        QCOMPARE(CutOff(f.child(sections[section - 1])).join(QLatin1Char(',')), QString());
    }
    f.window->TabClick(4);
    QCOMPARE(Clipped(f.child("Body_About")), QStringList());
    QCOMPARE(CutOff(f.child("Body_About")).join(QLatin1Char(',')), QString());
    QCOMPARE(Clipped(f.child("TabStrip")), QStringList());
    f.window->ToolBarClick(2);
    QCOMPARE(Clipped(f.child("Body_Trash")), QStringList());
    f.child<PictureButton>("ButTrash")->click();
    QCOMPARE(Clipped(f.child("Body_Trash")), QStringList());
    f.child<PictureButton>("ButTrash_Yes")->click();
    QCOMPARE(Clipped(f.child("Body_Trash")), QStringList());
}

void TestScaling::popUpTextsFit()
{
    MainWindowFixture f;
    f.start();
    SetPopUpAnswerer(nullptr);
    f.show();
    for (const QString& message :
         {QStringLiteral("Paper saved"), QStringLiteral("Do you want to mark your practice now?"),
          QStringLiteral("You have not answered all the questions.  Do you still want to mark "
                         "your practice?")}) {
        QStringList clipped{QStringLiteral("no box")};
        bool onScreen = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<PopUpBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            clipped = Clipped(box);
            onScreen = box->screen()->availableGeometry().contains(box->frameGeometry());
            box->press(1);
        });
        CallPop(QStringLiteral("Marking"), message, 2, f.window.get());
        QCOMPARE(clipped, QStringList());
        QVERIFY(onScreen);
    }
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
