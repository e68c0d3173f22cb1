// What the question page viewer shows of a page saved by a word processor: no picture as
// saved, its picture once the page is re-addressed.
#include "fixpages.h"
#include "guitest.h"
#include "practice/questionview.h"
#include "records/fileio.h"
#include "testfolder.h"

#include <QWebEngineScript>

using namespace orlavine;

class TestFixPagesView : public QObject {
    Q_OBJECT

private slots:
    void pictureShownOnceFixed_data();
    void pictureShownOnceFixed();
};

void TestFixPagesView::pictureShownOnceFixed_data()
{
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("naturalWidth");
    QTest::newRow("as saved") << false << 0;
    QTest::newRow("fixed") << true << 120;
}

void TestFixPagesView::pictureShownOnceFixed()
{
    QFETCH(bool, fixed);
    QFETCH(int, naturalWidth);
    TestFolder folder;
    const QByteArray saved =
        ReadWholeFile(QStringLiteral(ORLAVINE_TEST_DATA "/pages/wordpage.mht"));
    const QString path =
        folder.write(QStringLiteral("q1.mht"), fixed ? pack::FixPageAddresses(saved) : saved);
    QuestionView view(nullptr);
    view.resize(400, 300);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.showPage(path);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 30000);
    // By the end of the load the picture has loaded or failed. Scripts of the page's own
    // world are refused in an MHTML page; the application's world sees the same document.
    int width = -1;
    view.page()->runJavaScript(QStringLiteral("document.images[0].naturalWidth"),
                               QWebEngineScript::ApplicationWorld,
                               [&width](const QVariant& value) { width = value.toInt(); });
    QTRY_VERIFY_WITH_TIMEOUT(width >= 0, 10000);
    QCOMPARE(width, naturalWidth);
}

ORLAVINE_GUI_TEST_MAIN(TestFixPagesView)
#include "tst_fixpagesview.moc"
