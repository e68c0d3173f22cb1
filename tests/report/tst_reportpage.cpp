// The report page: the accordion's geometry and header clicks, the figures written into
// the controls, the bars and rows, and the trend plot's drawing.
#include "report/reportfigures.h"
#include "mainwin/practisepanel.h"
#include "mainwin/reportpage.h"
#include "mainwin/trendpanel.h"

#include <QLabel>
#include "guifixture.h"
#include "samplemodule.h"

#include <QPushButton>
#include <QtTest>

using namespace orlavine;

namespace {

/// Blue, or blended with the white around it where a smoothed line passes between pixels.
bool IsBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 170 && qGreen(pixel) < 170;
}

/// The page shown at a known size.
struct Page {
    ReportPage page;

    Page()
    {
        page.resize(600, 420);
        page.show();
    }
    QWidget* child(const QString& name) const { return page.findChild<QWidget*>(name); }
    QString text(const QString& name) const { return page.findChild<QLabel*>(name)->text(); }
    void open(const QString& section)
    {
        page.openSection(section.toInt()); // not a number: 0
    }
};

} // namespace

class TestReportPage : public QObject {
    Q_OBJECT

private slots:
    void headersNamedAndExplained();
    void arrange_data();
    void arrange();
    void closedPanelsStayWhereTheyWere();
    void headerClicksOpenTheirSection();
    void questionsToPractise();
    void freshRecords();
    void figuresWrittenIntoTheControls();
    void barsFollowUnroundedAverages();
    void rowsBeyondTopicCountHidden();
    void longTopicNames();
    void plotDrawsGridStemsDotsAndLines();
    void plotOfFreshRecordsIsGridOnly();
    void axisCaptionsBesideThePlot();
};

void TestReportPage::headersNamedAndExplained()
{
    Page p;
    const QStringList captions{"Overall Results", "Topical Results", "Trend Analysis",
                               "What to Practise Next"};
    const QStringList tips{"Click to show overall results", "Click to show topical results",
                           "Click to show past trends", "Click to show the questions to practise"};
    for (int i = 0; i < 4; ++i) {
        const QString bar = QStringLiteral("RCBar%1").arg(i + 1);
        QCOMPARE(p.text("lbl" + bar), captions[i]);
        QCOMPARE(p.child(bar)->toolTip(), tips[i]);
        QCOMPARE(p.child("lbl" + bar)->toolTip(), tips[i]);
    }
}

void TestReportPage::arrange_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QList<int>>("bars"); // the tops of bars 2 to 4
    QTest::addColumn<int>("top");
    // H = 420, every bar 24 high; the open panel is H - 96 = 324 high.
    QTest::newRow("1") << "1" << "RC1Summary" << QList<int>{348, 372, 396} << 24;
    QTest::newRow("2") << "2" << "RC2Topical" << QList<int>{24, 372, 396} << 48;
    QTest::newRow("3") << "3" << "RC3Trend" << QList<int>{24, 48, 396} << 72;
    QTest::newRow("4") << "4" << "RC4Practise" << QList<int>{24, 48, 72} << 96;
    QTest::newRow("anything else") << "x" << "RC3Trend" << QList<int>{24, 48, 396} << 72;
    QTest::newRow("empty") << "" << "RC3Trend" << QList<int>{24, 48, 396} << 72;
}

void TestReportPage::arrange()
{
    QFETCH(QString, position);
    QFETCH(QString, panel);
    QFETCH(QList<int>, bars);
    QFETCH(int, top);
    Page p;
    p.open(position);
    QCOMPARE(p.child("RCBar1")->y(), 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(p.child(QStringLiteral("RCBar%1").arg(i + 2))->y(), bars.at(i));
    QCOMPARE(PageScroller::outer(p.child(panel))->geometry(), QRect(0, top, 600, 420 - 96));
    // In front: the open panel, then the four bars in order.
    QWidgetList order;
    for (QObject* object : p.page.children()) {
        if (auto* widget = qobject_cast<QWidget*>(object))
            order.append(widget);
    }
    const QWidgetList front = order.mid(order.size() - 5);
    QCOMPARE(front, (QWidgetList{PageScroller::outer(p.child(panel)), p.child("RCBar1"), p.child("RCBar2"),
                                 p.child("RCBar3"), p.child("RCBar4")}));
}

void TestReportPage::closedPanelsStayWhereTheyWere()
{
    Page p;
    p.open("2");
    const QRect topical = PageScroller::outer(p.child("RC2Topical"))->geometry();
    p.open("1");
    QCOMPARE(PageScroller::outer(p.child("RC2Topical"))->geometry(), topical);
    p.page.resize(600, 500);
    QCOMPARE(PageScroller::outer(p.child("RC2Topical"))->geometry(), topical);
    QCOMPARE(PageScroller::outer(p.child("RC1Summary"))->geometry(), QRect(0, 24, 600, 500 - 96));
}

void TestReportPage::headerClicksOpenTheirSection()
{
    Page p;
    p.open("1");
    QTest::mouseClick(p.child("RCBar2"), Qt::LeftButton);
    QCOMPARE(p.page.openedSection(), 2);
    QCOMPARE(PageScroller::outer(p.child("RC2Topical"))->y(), 48);
    QTest::mouseClick(p.child("lblRCBar3"), Qt::LeftButton);
    QCOMPARE(p.page.openedSection(), 3);
    QCOMPARE(p.child("RCBar3")->y(), 48);
    QTest::mouseClick(p.child("lblRCBar1"), Qt::LeftButton);
    QCOMPARE(p.page.openedSection(), 1);
    QCOMPARE(p.child("RCBar3")->y(), 372);
    QTest::mouseClick(p.child("RCBar1"), Qt::RightButton);
    QCOMPARE(p.page.openedSection(), 1);
    QTest::mouseClick(p.child("lblRCBar4"), Qt::LeftButton);
    QCOMPARE(p.page.openedSection(), 4);
}

void TestReportPage::questionsToPractise()
{
    Page p;
    PractisePanel* panel = p.page.practisePanel();
    std::array<QList<WrongQuestion>, 10> topics;
    topics[1] = {{108, 4, AttemptKind::Second, "12", "14 cm"}, {106, 2, AttemptKind::First, "", "7"}};
    Fields names(10);
    names[0] = "Numbers";
    names[1] = "Words";
    panel->showQuestions(topics, names, 2, true);
    QCOMPARE(panel->findChild<QLabel*>("PractiseTopic2")->text(), QStringLiteral("Words"));
    QVERIFY(!panel->findChild<QLabel*>("PractiseTopic1"));
    auto* entry = panel->findChild<QPushButton*>("PractiseEntry1");
    QCOMPARE(entry->text(),
             QStringLiteral("Paper 3, question 4 (2nd attempt)\nYour answer: 12    Expected: 14 cm"));
    QVERIFY(panel->findChild<QPushButton*>("PractiseEntry2")->text().contains("(no answer)"));
    QList<int> chosen;
    panel->setOnChoose([&](const WrongQuestion& q) { chosen = {q.paperNumber, q.question}; });
    entry->click();
    QCOMPARE(chosen, (QList<int>{108, 4}));

    // Nothing to practise: one encouraging sentence, which depends on whether any paper
    // has been marked.
    panel->showQuestions({}, names, 2, true);
    QVERIFY(!panel->findChild<QPushButton*>("PractiseEntry1"));
    QVERIFY(panel->findChild<QLabel*>("PractiseNothing")->text().contains("Well done"));
    panel->showQuestions({}, names, 2, false);
    QVERIFY(panel->findChild<QLabel*>("PractiseNothing")->text().startsWith("Mark a paper"));
}

void TestReportPage::freshRecords()
{
    Page p;
    p.page.FillReport(ComputeReportFigures(Fields(50), Fields(50), SampleModule(3), "#TRD#"));
    for (const char* name : {"OScore1", "OScore2", "WT", "ST"})
        QCOMPARE(p.text(name), QStringLiteral("-"));
    QCOMPARE(p.text("PCNum"), QStringLiteral("0 / 15"));
    for (int k = 1; k <= 10; ++k) {
        for (const char* side : {"A", "B"}) {
            const QString id = QString::number(k) + side;
            QCOMPARE(p.text("TMark" + id), QString());
            QCOMPARE(p.child("TBar" + id)->width(), 0);
        }
    }
    QVERIFY(p.page.findChild<TrendPlot*>("RC3TrendPlot")->values().isEmpty());
}

void TestReportPage::figuresWrittenIntoTheControls()
{
    Page p;
    p.open("2"); // the topic names fit the open section's width
    Fields fse(50);
    Fields sse(50);
    fse[0] = "50";
    fse[1] = "70";
    sse[0] = "90";
    fse[5] = "65";
    ModuleSettings module = SampleModule(2);
    module.topicNames[1] = "\xC9quations"; // Windows-1252 É
    p.page.FillReport(ComputeReportFigures(fse, sse, module, "#TRD#>50>70>65"));
    QCOMPARE(p.text("OScore1"), QStringLiteral("61.7%"));
    QCOMPARE(p.text("OScore2"), QStringLiteral("90%"));
    QCOMPARE(p.text("PCNum"), QStringLiteral("3 / 10"));
    QCOMPARE(p.text("ST"), QStringLiteral("Topic 1 "));
    QCOMPARE(p.text("WT"), QString::fromUtf8("Équations "));
    QCOMPARE(p.text("TopLab2"), QString::fromUtf8("Équations"));
    QCOMPARE(p.text("TMark1A"), QStringLiteral("60%"));
    QCOMPARE(p.text("TMark1B"), QStringLiteral("90%"));
    QCOMPARE(p.text("TMark2A"), QStringLiteral("65%"));
    QCOMPARE(p.text("TMark2B"), QString());
    QCOMPARE(p.page.findChild<TrendPlot*>("RC3TrendPlot")->values(), (QList<double>{50, 70, 65}));
}

void TestReportPage::barsFollowUnroundedAverages()
{
    Page p;
    p.open("2");
    Fields fse(50);
    fse[0] = "66.7";
    fse[1] = "66.6";
    fse[2] = "66.7"; // 66.666..., shown as 66.7%
    fse[5] = "100";
    Fields sse(50);
    sse[5] = "0";
    p.page.FillReport(ComputeReportFigures(fse, sse, SampleModule(2), ""));
    const int full = p.child("TBack1A")->contentsRect().width();
    QVERIFY(full > 100);
    QCOMPARE(p.text("TMark1A"), QStringLiteral("66.7%"));
    QCOMPARE(p.child("TBar1A")->width(), qRound(full * (200.0 / 3) / 100));
    QCOMPARE(p.child("TBar2A")->width(), full);
    QCOMPARE(p.text("TMark2B"), QStringLiteral("0%"));
    QCOMPARE(p.child("TBar2B")->width(), 0);
    QCOMPARE(p.child("TBack2B")->contentsRect().width(), full);

    // A wider page keeps the bars in proportion.
    p.page.resize(900, 420);
    const int wider = p.child("TBack1A")->contentsRect().width();
    QVERIFY(wider > full);
    QCOMPARE(p.child("TBar2A")->width(), wider);
}

void TestReportPage::rowsBeyondTopicCountHidden()
{
    Page p;
    p.page.FillReport(ComputeReportFigures(Fields(50), Fields(50), SampleModule(10), ""));
    p.page.FillReport(ComputeReportFigures(Fields(50), Fields(50), SampleModule(8), ""));
    for (int k = 1; k <= 10; ++k) {
        const QString n = QString::number(k);
        const bool shown = k <= 8;
        QCOMPARE(!p.child("TopLab" + n)->isHidden(), shown);
        QCOMPARE(!p.child("TBack" + n + "A")->isHidden(), shown);
        QCOMPARE(!p.child("TBack" + n + "B")->isHidden(), shown);
        QVERIFY(!p.child("TBar" + n + "A")->isHidden());
        QCOMPARE(p.text("TopLab" + n).isEmpty(), !shown);
    }
}

void TestReportPage::longTopicNames()
{
    const QByteArray wraps = "Addition and Subtraction of Mixed Numbers";
    const QByteArray veryLong =
        "Perimeter, Area and Volume of Compound Shapes Made of Cuboids, Prisms and Cylinders";
    Page p;
    p.page.resize(600, 444); // a topical panel 348 high
    p.open("2");
    // More long names than the panel has room for at two lines each.
    ModuleSettings module = SampleModule(10);
    module.topicNames[1] = wraps;
    for (int t = 2; t < 10; ++t)
        module.topicNames[t] = veryLong;
    p.page.FillReport(ComputeReportFigures(Fields(50), Fields(50), module, ""));
    const auto name = [&](int k) {
        return p.page.findChild<QLabel*>("TopLab" + QString::number(k));
    };
    QCOMPARE(name(1)->text(), QStringLiteral("Topic 1"));
    // Long names widen their column (to 45 %) before they wrap.
    QVERIFY(name(1)->width() > p.child("RC2Topical")->width() * 4 / 10);
    QCOMPARE(name(2)->text().count('\n'), 1);
    QCOMPARE(name(2)->text().replace('\n', ' '), QString::fromLatin1(wraps));
    QCOMPARE(name(2)->toolTip(), QString());
    QCOMPARE(name(3)->text().count('\n'), 1);
    QVERIFY(name(3)->text().endsWith(QChar(0x2026)));
    QCOMPARE(name(3)->toolTip(), QString::fromLatin1(veryLong));
    QVERIFY(!name(10)->text().contains('\n')); // no room left for a second line
    QCOMPARE(name(10)->toolTip(), QString::fromLatin1(veryLong));
    QVERIFY(name(10)->geometry().bottom() < p.child("RC2Topical")->height());
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(name(k)->font().pointSizeF(), p.page.font().pointSizeF());
        if (k == 10)
            continue;
        QVERIFY(name(k + 1)->y() > name(k)->geometry().bottom());
        QVERIFY(p.child(QStringLiteral("TBack%1A").arg(k + 1))->y() >
                p.child(QStringLiteral("TBack%1B").arg(k))->geometry().bottom());
    }
}

void TestReportPage::plotDrawsGridStemsDotsAndLines()
{
    TrendPlot plot(nullptr);
    plot.resize(422, 202); // inside the 1-pixel frame: 420 x 200, xStep 20, yStep 2
    plot.setValues({100, 0, 50});
    const QImage image = plot.grab().toImage();
    const auto at = [&](int x, int y) { return image.pixel(x + 1, y + 1); };
    const auto blueNear = [&](int x, int y) {
        return IsBlue(at(x - 1, y)) || IsBlue(at(x, y)) || IsBlue(at(x + 1, y));
    };
    QVERIFY(IsBlue(at(20, 0)));   // 100 % on the top edge
    QVERIFY(IsBlue(at(40, 199))); // 0 % on the bottom edge
    QVERIFY(IsBlue(at(60, 100))); // 50 % half way
    QVERIFY(blueNear(5, 150));    // the first line rises from the bottom-left corner
    QVERIFY(blueNear(50, 150));   // the line from 0 % up to 50 %
    QVERIFY(!blueNear(10, 150));
    QCOMPARE(at(60, 150), qRgb(0, 0, 0));        // the stem under 50 %
    QCOMPARE(at(20, 100), qRgb(0, 0, 0));        // the stem under 100 %
    QCOMPARE(at(300, 20), qRgb(224, 224, 224));  // the 90 % grid line
    QCOMPARE(at(300, 180), qRgb(224, 224, 224)); // the 10 % grid line
    QCOMPARE(at(300, 100), qRgb(224, 224, 224)); // the 50 % grid line
    QCOMPARE(at(300, 110), qRgb(255, 255, 255));
}

void TestReportPage::plotOfFreshRecordsIsGridOnly()
{
    TrendPlot plot(nullptr);
    plot.resize(422, 202);
    const QImage image = plot.grab().toImage();
    for (int y = 0; y < 200; ++y) {
        const QRgb expected = y % 20 == 0 && y > 0 ? qRgb(224, 224, 224) : qRgb(255, 255, 255);
        QCOMPARE(image.pixel(200, y + 1), expected);
    }
}

void TestReportPage::axisCaptionsBesideThePlot()
{
    Page p;
    p.open("3");
    QWidget* plot = p.child("RC3TrendPlot");
    QWidget* trend = p.child("RC3Trend");
    const QRect inner = plot->contentsRect().translated(plot->pos());
    QStringList captions;
    for (QLabel* label : trend->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->text().endsWith('%'))
            continue;
        captions.append(label->text());
        const int value = label->text().chopped(1).toInt();
        QVERIFY(label->geometry().right() < plot->x());
        QVERIFY(qAbs(label->geometry().center().y() -
                     (inner.top() + (100 - value) * inner.height() / 100)) <= 1);
    }
    QCOMPARE(captions, (QStringList{"100%", "90%", "80%", "70%", "60%", "50%", "40%", "30%", "20%",
                                    "10%", "0%"}));
    bool found = false;
    for (QLabel* label : trend->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text() == "Recent Papers Attempted") {
            found = true;
            QVERIFY(label->y() > plot->geometry().bottom());
        }
    }
    QVERIFY(found);
}

QTEST_MAIN(TestReportPage)
#include "tst_reportpage.moc"
