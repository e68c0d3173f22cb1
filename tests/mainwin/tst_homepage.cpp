// The home page: the paper grid's rules, topic selection and colours, opening a paper,
// refreshing after a practice window closes.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"

#include <QLabel>
#include <QtTest>

using namespace orlavine;

class TestHomePage : public QObject {
    Q_OBJECT

  private slots:
    void freshRecords();
    void gridRules_data();
    void gridRules();
    void scoreFieldsTakeTheirBandColour();
    void selectingATopic();
    void openPaper_data();
    void openPaper();
    void refreshKeepsTheTopic();
    void refreshBehindAnotherPage();
    void homeButtonSelectsTopicOne();
    void longTopicNames();
};

namespace {

QColor Background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace

void TestHomePage::freshRecords()
{
    MainWindowFixture f;
    f.start();
    const int percent = f.child("Percent1a")->x();
    for (int i = 1; i <= 5; ++i) {
        for (const QString& row : {QStringLiteral("MSA%1"), QStringLiteral("MSB%1")}) {
            auto* score = Child<QLabel>(f.window.get(), row.arg(i));
            QCOMPARE(score->text(), QString());
            QCOMPARE(score->x(), percent); // covering the row's "%"
            QVERIFY(score->autoFillBackground());
        }
        QVERIFY(!Child(f.window.get(), QStringLiteral("P%1a").arg(i))->isHidden());
        QVERIFY(Child(f.window.get(), QStringLiteral("P%1b").arg(i))->isHidden());
        QCOMPARE(Child(f.window.get(), QStringLiteral("P%1a").arg(i))->toolTip(),
                 QStringLiteral("Load paper %1").arg(i));
        QCOMPARE(Child(f.window.get(), QStringLiteral("P%1b").arg(i))->toolTip(),
                 QStringLiteral("Try paper %1 again").arg(i));
        QCOMPARE(Child<QLabel>(f.window.get(), QStringLiteral("LblP%1").arg(i))->text(),
                 QStringLiteral("Paper %1").arg(i));
    }
    QCOMPARE(f.child("Topic1")->toolTip(), QStringLiteral("Click to select topic"));
}

void TestHomePage::gridRules_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("secondButton");
    QTest::newRow("100") << QByteArray("100") << QByteArray() << false;
    QTest::newRow("99.5") << QByteArray("99.5") << QByteArray() << false;
    QTest::newRow("99") << QByteArray("99") << QByteArray() << true;
    QTest::newRow("42.9") << QByteArray("42.9") << QByteArray() << true;
    QTest::newRow("0") << QByteArray("0") << QByteArray() << true;
    QTest::newRow("second attempt recorded") << QByteArray("42.9") << QByteArray("85.7") << true;
    QTest::newRow("second attempt on 99") << QByteArray("99") << QByteArray("100") << true;
}

void TestHomePage::gridRules()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, secondButton);
    MainWindowFixture f;
    f.start();
    f.window.reset();
    // Paper 3 of topic 1 of module 1; the others stay unattempted.
    f.recordScores(1, {first}, {second}, 3);
    f.start();
    const int percent = f.child("Percent1a")->x();
    auto* msa = f.child<QLabel>("MSA3");
    auto* msb = f.child<QLabel>("MSB3");
    QCOMPARE(msa->text(), QString::fromLatin1(first));
    QCOMPARE(msa->geometry().right() + 1, percent - 1); // 20 twips left of the "%"
    QCOMPARE(f.child("P3b")->isHidden(), !secondButton);
    QVERIFY(!f.child("P3a")->isHidden());
    QCOMPARE(msb->text(), QString::fromLatin1(second));
    if (second.isEmpty())
        QCOMPARE(msb->x(), percent);
    else
        QCOMPARE(msb->geometry().right() + 1, percent - 1);
    QVERIFY(f.child("P2b")->isHidden() && f.child("P4b")->isHidden());
}

void TestHomePage::scoreFieldsTakeTheirBandColour()
{
    MainWindowFixture f;
    f.start();
    for (int i = 1; i <= 5; ++i) {
        const QColor band = Background(Child(f.window.get(), QStringLiteral("Band%1").arg(i)));
        QCOMPARE(Background(Child(f.window.get(), QStringLiteral("MSA%1").arg(i))), band);
        QCOMPARE(Background(Child(f.window.get(), QStringLiteral("MSB%1").arg(i))), band);
    }
    QVERIFY(Background(f.child("Band1")) != Background(f.child("Band2")));
    QCOMPARE(Background(f.child("Band1")), Background(f.child("Band3")));
}

void TestHomePage::selectingATopic()
{
    MainWindowFixture f;
    f.start();
    f.window.reset();
    f.recordScores(1, {"70"}, {}, 6);
    f.start();
    f.show();
    QTest::mouseClick(f.child("Topic2"), Qt::LeftButton);
    QCOMPARE(f.selection().firstPaperOfTopic, 6);
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Words"));
    QCOMPARE(f.window->selectedTopicName(), QStringLiteral("Words"));
    QCOMPARE(f.child<QLabel>("MSA1")->text(), QStringLiteral("70"));
    QCOMPARE(Background(f.child("Topic2")), QColor(128, 128, 128));
    QCOMPARE(f.child("Topic2")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(Background(f.child("Topic1")), QColor(Qt::white));
    QCOMPARE(f.child("Topic1")->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestHomePage::openPaper_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("attempt");
    QTest::newRow("topic 1 paper 1") << 1 << "P1a"
                                     << "101" << 1;
    QTest::newRow("topic 3 paper 4") << 3 << "P4a"
                                     << "114" << 1;
    QTest::newRow("topic 10 paper 5") << 10 << "P5a"
                                      << "150" << 1;
    QTest::newRow("second attempt") << 2 << "P2b"
                                    << "107" << 2;
}

void TestHomePage::openPaper()
{
    QFETCH(int, topic);
    QFETCH(QString, button);
    QFETCH(QString, paper);
    QFETCH(int, attempt);
    MainWindowFixture f;
    QVERIFY(f.package.editSettings("#TT1#>2", "#TT1#>10"));
    QVERIFY(f.package.editSettings("#TP1#>10", "#TP1#>50"));
    QVERIFY(f.package.editSettings("#TN1#>Numbers>Words", "#TN1#>A>B>C>D>E>F>G>H>I>J"));
    f.package.install();
    f.start();
    f.window.reset();
    f.recordScores(1, {"50"}, {}, 7); // paper 2 of topic 2 may be tried again
    f.start();
    QStringList calls;
    f.window->hooks().closePracticeWindows = [&] { calls << QStringLiteral("close"); };
    PaperChoice chosen;
    f.window->hooks().openPracticeWindow = [&](const PaperChoice& choice) {
        calls << QStringLiteral("open");
        chosen = choice;
    };
    f.show();
    QTest::mouseClick(Child(f.window.get(), QStringLiteral("Topic%1").arg(topic)), Qt::LeftButton);
    QTest::mouseClick(Child(f.window.get(), button), Qt::LeftButton);
    QCOMPARE(calls, QStringList({"open"}));
    QCOMPARE(QString::number(chosen.paper.paperNumber), paper);
    QCOMPARE(chosen.kind, attempt == 1 ? AttemptKind::First : AttemptKind::Second);
    QCOMPARE(chosen.paper.module, 1);
    QCOMPARE(chosen.paper.code, QByteArray("TS"));
    QCOMPARE(chosen.paper.paperCount, 50);
    QCOMPARE(chosen.firstPaperOfTopic, 5 * (topic - 1) + 1);
    QCOMPARE(chosen.topicName, f.child<QLabel>("SubH1")->text());
}

void TestHomePage::refreshKeepsTheTopic()
{
    MainWindowFixture f;
    f.start();
    Child<ClickLabel>(f.window.get(), "Topic2")->clicked();
    QCOMPARE(f.selection().firstPaperOfTopic, 6);
    // A practice window marks paper 7 and closes.
    f.recordScores(1, {"42.9"}, {}, 7);
    f.window->RefreshContents();
    QCOMPARE(f.selection().firstPaperOfTopic, 6);
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Words"));
    QCOMPARE(f.child<QLabel>("MSA2")->text(), QStringLiteral("42.9"));
    QVERIFY(!f.child("P2b")->isHidden());
    QCOMPARE(Background(f.child("Topic2")), QColor(128, 128, 128));
    QCOMPARE(Background(f.child("Topic1")), QColor(Qt::white));
}

void TestHomePage::refreshBehindAnotherPage()
{
    MainWindowFixture f;
    f.start();
    f.window->ToolBarClick(2); // the report page in front
    const QStringList pages = {"Body_Home", "Body_Report", "Body_About", "Body_Trash"};
    QCOMPARE(Frontmost(f.window.get(), pages), QStringLiteral("Body_Report"));
    const QString completed = f.child<QLabel>("PCNum")->text();
    f.recordScores(1, {"88.8"});
    f.window->RefreshContents();
    QCOMPARE(Frontmost(f.window.get(), pages), QStringLiteral("Body_Report"));
    QCOMPARE(f.child<QLabel>("PCNum")->text(), completed); // unchanged until Report again
    QCOMPARE(f.child<QLabel>("MSA1")->text(), QStringLiteral("88.8"));
    f.window->ToolBarClick(2);
    QCOMPARE(f.child<QLabel>("PCNum")->text(), QStringLiteral("1 / 10"));
    QCOMPARE(f.child("Body_Report")->geometry(), PageScroller::outer(f.child("Body_Home"))->geometry());
}

void TestHomePage::homeButtonSelectsTopicOne()
{
    MainWindowFixture f;
    f.start();
    Child<ClickLabel>(f.window.get(), "Topic2")->clicked();
    f.recordScores(1, {"61"});
    f.window->ToolBarClick(1);
    QCOMPARE(f.selection().firstPaperOfTopic, 1);
    QCOMPARE(f.child<QLabel>("SubH1")->text(), QStringLiteral("Numbers"));
    QCOMPARE(f.child<QLabel>("MSA1")->text(), QStringLiteral("61"));
}

void TestHomePage::longTopicNames()
{
    const QString hint = QStringLiteral("Click to select topic");
    const QString wraps = QStringLiteral("Fractions, Decimals and Percentages");
    const QString veryLong =
        QStringLiteral("Addition and Subtraction of Mixed Numbers, Fractions and Decimals");
    MainWindowFixture f;
    QVERIFY(f.package.editSettings("#TT1#>2", "#TT1#>10"));
    QVERIFY(f.package.editSettings("#TP1#>10", "#TP1#>50"));
    // More long names than the column has room for at two lines each.
    QVERIFY(f.package.editSettings(
        "#TN1#>Numbers>Words",
        "#TN1#>Numbers>" + wraps.toLatin1() + (">" + veryLong.toLatin1()).repeated(8)));
    f.package.install();
    f.start();
    f.show();
    auto* short1 = f.child<QLabel>("Topic1");
    QCOMPARE(short1->text(), QStringLiteral("Numbers"));
    QCOMPARE(short1->toolTip(), hint);
    auto* wrapped = f.child<QLabel>("Topic2");
    QCOMPARE(wrapped->text().count('\n'), 1);
    QCOMPARE(wrapped->text().replace('\n', ' '), wraps);
    QCOMPARE(wrapped->toolTip(), hint);
    QCOMPARE(wrapped->height(), short1->height() + short1->fontMetrics().lineSpacing());
    auto* elided = f.child<QLabel>("Topic3");
    QCOMPARE(elided->text().count('\n'), 1);
    QVERIFY(elided->text().endsWith(QChar(0x2026)));
    QCOMPARE(elided->toolTip(), veryLong + '\n' + hint);
    auto* last = f.child<QLabel>("Topic10");
    QVERIFY(!last->text().contains('\n')); // no room left for a second line
    QCOMPARE(last->toolTip(), veryLong + '\n' + hint);
    QVERIFY(last->geometry().bottom() < f.child("Body_Home")->height());
    for (int k = 1; k <= 10; ++k) {
        auto* entry = Child<QLabel>(f.window.get(), QStringLiteral("Topic%1").arg(k));
        QCOMPARE(entry->font().pointSizeF(), f.child("Body_Home")->font().pointSizeF());
        QCOMPARE(Child(f.window.get(), QStringLiteral("Bullet%1").arg(k))->y() - entry->y(),
                 f.child("Bullet1")->y() - short1->y());
        if (k < 10)
            QVERIFY(Child(f.window.get(), QStringLiteral("Topic%1").arg(k + 1))->y() >
                    entry->geometry().bottom());
    }

    // The grid's heading has room for one line; the practice window gets the full name.
    QTest::mouseClick(elided, Qt::LeftButton);
    auto* heading = f.child<QLabel>("SubH1");
    QVERIFY(!heading->text().contains('\n') && heading->text().endsWith(QChar(0x2026)));
    QCOMPARE(heading->toolTip(), veryLong);
    QCOMPARE(f.window->selectedTopicName(), veryLong);
}

QTEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
