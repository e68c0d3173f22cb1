// The pop-up box: layout rules, centring, answers by button, caption, Enter, Escape and
// closing without a button; hover pictures; the answering seam.
#include "chrome/framelayout.h"
#include "guifixture.h"
#include "chrome/picturebutton.h"
#include "chrome/popupbox.h"

#include <QtTest>

using namespace orlavine;

class TestPopUpBox : public QObject {
    Q_OBJECT

  private slots:
    void layOutOneButton();
    void layOutTwoButtons();
    void shortMessageSitsLevelWithTheIcon();
    void longMessageIsNotCutOff();
    void centredOverItsMaster();
    void answers_data();
    void answers();
    void closedWithoutButtonIsNo();
    void twoBoxesInARow();
    void hoverSwapsButtonPictures();
    void seamRecordsAndAnswers();

  private:
    /// Shows the box modally through CallPop and runs `act` on it once it is up.
    bool Ask(int buttons, const std::function<void(PopUpBox&)>& act);

    QWidget m_master;
};

namespace {

PopUpBox* Prepared(QWidget* master, const QString& message, int buttons)
{
    auto* box = new PopUpBox(master);
    box->setUp(QStringLiteral("Marking"), message, buttons);
    return box;
}

} // namespace

bool TestPopUpBox::Ask(int buttons, const std::function<void(PopUpBox&)>& act)
{
    QTimer::singleShot(0, this, [act] {
        auto* box = qobject_cast<PopUpBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        act(*box);
    });
    return CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), buttons,
                   &m_master);
}

void TestPopUpBox::layOutOneButton()
{
    SkinnedTestFolder folder;
    std::unique_ptr<PopUpBox> box(Prepared(nullptr, QStringLiteral("Paper saved"), 1));
    QCOMPARE(box->objectName(), QStringLiteral("frmPopUp"));
    QCOMPARE(box->size(), QSize(265, 150));
    QCOMPARE(Child(box.get(), "lblTitle")->x(), 16);
    QCOMPARE(Child(box.get(), "ImgInfo")->geometry(), QRect(16, 46, 32, 32));
    QCOMPARE(Child(box.get(), "lblMessage")->geometry().topLeft(), QPoint(58, 53));
    QCOMPARE(Child(box.get(), "lblMessage")->width(), 192);
    auto* but1 = Child<PictureButton>(box.get(), "But1");
    QCOMPARE(but1->geometry(), QRect((265 - 80) / 2, 150 - 26 - 16, 80, 26));
    QVERIFY(Child(box.get(), "But2")->isHidden());
    QCOMPARE(Child<QLabel>(box.get(), "But1_lbl")->text(), QStringLiteral("OK"));
    QCOMPARE(box->mask(), QRegion(RoundedOutline({265, 150}, FrameKind::PopUp), Qt::WindingFill));
    QCOMPARE(Child<PictureButton>(box.get(), "BBotLeft")->picture(), pic::PopUpBottomLeft);
}

void TestPopUpBox::layOutTwoButtons()
{
    SkinnedTestFolder folder;
    std::unique_ptr<PopUpBox> box(
        Prepared(nullptr, QStringLiteral("Do you want to mark your practice now?"), 2));
    const QWidget* message = Child(box.get(), "lblMessage");
    QCOMPARE(message->y(), 46);
    QCOMPARE(Child(box.get(), "But1")->x(), message->x());
    QCOMPARE(Child(box.get(), "But2")->x(), message->x() + 80 + 10);
    QCOMPARE(Child(box.get(), "But2")->y(), Child(box.get(), "But1")->y());
    QVERIFY(!Child(box.get(), "But2")->isHidden());
    QCOMPARE(Child<QLabel>(box.get(), "But1_lbl")->text(), QStringLiteral("Yes"));
    QCOMPARE(Child<QLabel>(box.get(), "But2_lbl")->text(), QStringLiteral("No"));
}

void TestPopUpBox::shortMessageSitsLevelWithTheIcon()
{
    SkinnedTestFolder folder;
    std::unique_ptr<PopUpBox> short32(Prepared(nullptr, QString(32, QLatin1Char('a')), 2));
    std::unique_ptr<PopUpBox> long33(Prepared(nullptr, QString(33, QLatin1Char('a')), 2));
    QCOMPARE(Child(short32.get(), "lblMessage")->y(), Child(long33.get(), "lblMessage")->y() + 7);
}

void TestPopUpBox::longMessageIsNotCutOff()
{
    SkinnedTestFolder folder;
    // Longer than two lines; then longer than the box holds, which grows to hold it.
    for (const QString& text :
         {QStringLiteral("You have not answered all the questions.  Do you still want to mark "
                         "your practice?"),
          QStringLiteral("Your results could not be read, so they have been started afresh; a "
                         "copy of the earlier files is in /home/pupil/.local/share/Orlavine/"
                         "Backup/2026-12-08_09-14-05.")}) {
        std::unique_ptr<PopUpBox> box(Prepared(nullptr, text, 1));
        auto* message = Child<QLabel>(box.get(), "lblMessage");
        QVERIFY(message->height() >= message->heightForWidth(message->width()));
        QWidget* ok = Child(box.get(), "But1");
        QVERIFY(message->geometry().bottom() < ok->y());
        QVERIFY(ok->geometry().bottom() < box->height());
    }
}

void TestPopUpBox::centredOverItsMaster()
{
    SkinnedTestFolder folder;
    m_master.setGeometry(100, 80, 405, 492);
    std::unique_ptr<PopUpBox> box(Prepared(&m_master, QStringLiteral("Paper saved"), 1));
    QCOMPARE(box->pos(), QPoint(100 + (405 - 265) / 2, 80 + (492 - 150) / 2));
}

void TestPopUpBox::answers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("response");
    QTest::newRow("Yes") << 2 << "But1"
                         << "True";
    QTest::newRow("No") << 2 << "But2"
                        << "False";
    QTest::newRow("OK") << 1 << "But1"
                        << "True";
    QTest::newRow("caption Yes") << 2 << "But1_lbl"
                                 << "True";
    QTest::newRow("caption No") << 2 << "But2_lbl"
                                << "False";
    QTest::newRow("Enter") << 2 << "Enter"
                           << "True";
    QTest::newRow("Escape") << 2 << "Escape"
                            << "False";
    QTest::newRow("Escape, one button") << 1 << "Escape"
                                        << "True";
}

void TestPopUpBox::answers()
{
    QFETCH(int, buttons);
    QFETCH(QString, how);
    QFETCH(QString, response);
    SkinnedTestFolder folder;
    const bool yes = Ask(buttons, [how](PopUpBox& box) {
        if (how == QLatin1String("Enter"))
            QTest::keyClick(&box, Qt::Key_Return);
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(Child(&box, how), Qt::LeftButton);
    });
    QCOMPARE(yes, response == QLatin1String("True"));
}

void TestPopUpBox::closedWithoutButtonIsNo()
{
    SkinnedTestFolder folder;
    QVERIFY(Ask(2, [](PopUpBox& box) { QTest::mouseClick(Child(&box, "But1"), Qt::LeftButton); }));
    // Closed by the window manager: the earlier Yes must not be read as this box's.
    QVERIFY(!Ask(2, [](PopUpBox& box) { box.close(); }));
}

void TestPopUpBox::twoBoxesInARow()
{
    SkinnedTestFolder folder;
    QVERIFY(!Ask(2, [](PopUpBox& box) { box.press(2); }));
    QVERIFY(Ask(2, [](PopUpBox& box) { box.press(1); }));
    QVERIFY(!Ask(2, [](PopUpBox& box) { box.press(2); }));
}

void TestPopUpBox::hoverSwapsButtonPictures()
{
    SkinnedTestFolder folder;
    Ask(2, [](PopUpBox& box) {
        auto* but1 = Child<PictureButton>(&box, "But1");
        auto* but2 = Child<PictureButton>(&box, "But2");
        QCursor::setPos(but1->mapToGlobal(but1->rect().center()));
        QTRY_COMPARE(but1->picture(), pic::ButtonOn);
        QCOMPARE(but2->picture(), pic::ButtonOff);
        QCursor::setPos(box.mapToGlobal(QPoint(5, 60)));
        QTRY_COMPARE(but1->picture(), pic::ButtonOff);
        box.press(1);
    });
}

void TestPopUpBox::seamRecordsAndAnswers()
{
    SkinnedTestFolder folder;
    PopUpAnswers answers({1, 0});
    QVERIFY(CallPop(QStringLiteral("Orlavine"), QStringLiteral("Paper saved"), 1, nullptr));
    QVERIFY(!CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr));
    QCOMPARE(answers.titles, QStringList({"Orlavine", "Close Practice"}));
    QCOMPARE(answers.messages, QStringList({"Paper saved", "Confirm?"}));
}

QTEST_MAIN(TestPopUpBox)
#include "tst_popupbox.moc"
