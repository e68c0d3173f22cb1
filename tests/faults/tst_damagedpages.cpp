// Question pages damaged in the content package: a page that is missing says so in the
// pop-up box and never leaves another question's page on show; a page that is not MIME
// is refused the same way.
#include "practicefixture.h"

#include <QWebEngineView>
#include <QtTest>

using namespace orlavine;

class TestDamagedPages : public QObject {
    Q_OBJECT

private slots:
    void missingFirstPage();
    void missingLaterPage();
    void pageNotMime();
};

namespace {

/// The text of the page on show in the window's viewer.
QString PageText(PracticeWindow* window)
{
    QString text;
    bool done = false;
    PracticeSession::viewOf(window)->page()->toPlainText([&](const QString& t) {
        text = t;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, 5000) ? text : QStringLiteral("(no answer)");
}

} // namespace

void TestDamagedPages::missingFirstPage()
{
    PracticeSession s;
    PackageCopy package;
    QVERIFY(QFile::remove(package.path() + "/16001.mht"));
    package.install();
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    QCOMPARE(s.answers()->messages,
             QStringList({"Question 1 cannot be shown: The content package has no resource 16001"}));
    QCOMPARE(PageText(w), QString());
    // The other questions still show.
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QVERIFY(PageText(w).contains("Test question 16002"));
    QCOMPARE(s.answers()->messages.size(), 1);
    PracticeSession::dispose(w);
}

void TestDamagedPages::missingLaterPage()
{
    PracticeSession s;
    PackageCopy package;
    QVERIFY(QFile::remove(package.path() + "/16002.mht"));
    package.install();
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(PageText(w).contains("Test question 16001"));
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QCOMPARE(w->questionNumber(), 2);
    QCOMPARE(s.answers()->messages.size(), 1);
    QVERIFY(s.answers()->messages.first().contains("16002"));
    QVERIFY(!PageText(w).contains("Test question 16001"));
    QVERIFY(!QFile::exists(s.folder.file("temppaper16001.mht")));
    PracticeSession::dispose(w);
}

void TestDamagedPages::pageNotMime()
{
    PracticeSession s;
    PackageCopy package;
    WriteFile(package.path() + "/16001.mht", "Not a page at all\r\n\x01\x02\xFF");
    package.install();
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    // The viewer would show it as an empty page, which says nothing to the pupil.
    QCOMPARE(s.answers()->messages,
             QStringList({"Question 1 cannot be shown: Page 16001 of the content package is damaged"}));
    QCOMPARE(PageText(w), QString());
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QVERIFY(PageText(w).contains("Test question 16002"));
    PracticeSession::dispose(w);
}

ORLAVINE_GUI_TEST_MAIN(TestDamagedPages)
#include "tst_damagedpages.moc"
