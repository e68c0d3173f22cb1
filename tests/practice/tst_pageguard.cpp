// The question page: shown from its page file, guarded against copying and the context
// menu through the viewer's focus proxy, printed to a PDF file.
#include "guitest.h"
#include "marking/pagefile.h"
#include "practice/pageguard.h"
#include "practice/questionprinter.h"
#include "practice/questionview.h"
#include "records/error.h"
#include "recordsfixture.h"

#include <QClipboard>
#include <QMenu>
#include <QPrintDialog>
#include <QWebEnginePage>

using namespace orlavine;

class TestPageGuard : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void pageFileFollowsTheQuestion();
    void copyKeysRefused();
    void rightButtonRefused();
    void printsToPdfFile();

  private:
    QWidget* proxy() const { return m_view->focusProxy(); }
    void refusedOnce(const std::function<void()>& action, bool expected);

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<QuestionPageFile> m_page;
    QWidget* m_window = nullptr;
    QuestionView* m_view = nullptr;
};

void TestPageGuard::initTestCase()
{
    m_folder = std::make_unique<TestFolder>();
    m_page = std::make_unique<QuestionPageFile>();
    m_window = new QWidget;
    m_window->resize(600, 400);
    m_view = new QuestionView(m_window);
    m_view->resize(600, 400);
    new PageGuard(m_view);
    m_window->show();
    QSignalSpy loaded(m_view, &QWebEngineView::loadFinished);
    m_view->showPage(m_page->show("16001"));
    QVERIFY(loaded.wait(10000));
    QVERIFY(loaded.first().first().toBool());
    QTRY_VERIFY(proxy());
}

void TestPageGuard::cleanupTestCase()
{
    delete m_window; // views go before the application
    m_page.reset();
    m_folder.reset();
}

void TestPageGuard::pageFileFollowsTheQuestion()
{
    QuestionPageFile page;
    const QString first = page.show("16002");
    QCOMPARE(first, m_folder->file("temppaper16002.mht"));
    QVERIFY(QFile::exists(first));
    const QString second = page.show("16003");
    QVERIFY(!QFile::exists(first));
    QVERIFY(QFile::exists(second));
    // No such page: nothing written, the old one gone.
    QVERIFY_THROWS_EXCEPTION(Error, page.show("99999"));
    QVERIFY(!QFile::exists(second));
    page.show("16004");
    page.remove();
    QVERIFY(!QFile::exists(m_folder->file("temppaper16004.mht")));
}

void TestPageGuard::refusedOnce(const std::function<void()>& action, bool expected)
{
    SeenBox seen;
    AnswerNextMessageBox(&seen, expected ? 5000 : 300);
    action();
    if (expected) {
        QTRY_VERIFY(seen.seen());
        QCOMPARE(seen.title, QString("Error"));
        QCOMPARE(seen.text, QString("Invalid operation"));
    } else {
        QTest::qWait(400);
        QVERIFY(!seen.seen());
    }
}

void TestPageGuard::copyKeysRefused()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    m_view->page()->triggerAction(QWebEnginePage::SelectAll);
    // The page can be copied at all: the action copies it...
    clipboard->setText("before");
    m_view->page()->triggerAction(QWebEnginePage::Copy);
    QTRY_VERIFY(clipboard->text().contains("Test question 16001"));
    // ...but the keys do not.
    clipboard->setText("before");
    refusedOnce([&] { QTest::keyClick(proxy(), Qt::Key_C, Qt::ControlModifier); }, true);
    refusedOnce([&] { QTest::keyClick(proxy(), Qt::Key_X, Qt::ControlModifier); }, true);
    refusedOnce([&] { QTest::keyClick(proxy(), Qt::Key_Insert, Qt::ControlModifier); }, true);
    QTest::qWait(300);
    QCOMPARE(clipboard->text(), QString("before"));
    refusedOnce([&] { QTest::keyClick(proxy(), Qt::Key_C); }, false);
    refusedOnce([&] { QTest::keyClick(proxy(), Qt::Key_V, Qt::ControlModifier); }, false);
}

void TestPageGuard::rightButtonRefused()
{
    const QPoint middle = proxy()->rect().center();
    refusedOnce([&] { QTest::mouseClick(proxy(), Qt::RightButton, Qt::NoModifier, middle); }, true);
    refusedOnce([&] { QTest::mouseClick(proxy(), Qt::LeftButton, Qt::NoModifier, middle); }, false);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, middle, proxy()->mapToGlobal(middle));
    QApplication::sendEvent(proxy(), &menu);
    QTest::qWait(300);
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!(qobject_cast<QMenu*>(top) && top->isVisible()));
}

void TestPageGuard::printsToPdfFile()
{
    QTemporaryDir out;
    QuestionPrinter::SetFileFolder(out.path());
    QuestionPrinter printer(m_view, m_window);
    QString dialogTitle;
    QTimer::singleShot(200, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogTitle = dialog->windowTitle();
            dialog->accept();
        }
    });
    printer.print("Numbers - Paper 1 - Question 1");
    QCOMPARE(dialogTitle, QString("Print question"));
    const QString pdf = out.filePath("Numbers - Paper 1 - Question 1.pdf");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pdf).size() > 0, 10000);
    QTRY_VERIFY(!printer.busy());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QuestionPrinter::SetFileFolder(QString());
}

ORLAVINE_GUI_TEST_MAIN(TestPageGuard)
#include "tst_pageguard.moc"
