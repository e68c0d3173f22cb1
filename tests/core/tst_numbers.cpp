// Marking arithmetic: numbers read, percentages rounded, times and dates written.
#include "marking/clock.h"
#include "marking/numbers.h"

#include <QtTest>

using namespace orlavine;

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void parseNumber_data();
    void parseNumber();
    void percentText_data();
    void percentText();
    void roundedText_data();
    void roundedText();
    void elapsedText();
    void clockCanBeFixed();
};

void TestNumbers::parseNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("int") << QByteArray("42") << true << 42.0;
    QTest::newRow("spaces") << QByteArray("  -0.5 ") << true << -0.5;
    QTest::newRow("point first") << QByteArray(".5") << true << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << true << 5.0;
    QTest::newRow("empty") << QByteArray("") << false << 0.0;
    QTest::newRow("sign only") << QByteArray("-") << false << 0.0;
    QTest::newRow("two points") << QByteArray("1.2.3") << false << 0.0;
    QTest::newRow("inner space") << QByteArray("1 2") << false << 0.0;
    QTest::newRow("word") << QByteArray("ten") << false << 0.0;
}

void TestNumbers::parseNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double parsed = -1;
    QCOMPARE(ParseNumber(text, parsed), ok);
    if (ok)
        QCOMPARE(parsed, value);
}

void TestNumbers::percentText_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("total");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("2 of 3") << 2 << 3 << QByteArray("66.7");
    QTest::newRow("0") << 0 << 7 << QByteArray("0");
    QTest::newRow("all") << 80 << 80 << QByteArray("100");
    QTest::newRow("1 of 16: half to even") << 1 << 16 << QByteArray("6.2");
    QTest::newRow("3 of 16: half to even up") << 3 << 16 << QByteArray("18.8");
    QTest::newRow("1 of 3") << 1 << 3 << QByteArray("33.3");
    QTest::newRow("199 of 200") << 199 << 200 << QByteArray("99.5");
}

void TestNumbers::percentText()
{
    QFETCH(int, score);
    QFETCH(int, total);
    QFETCH(QByteArray, text);
    QCOMPARE(PercentText(score, total), text);
}

void TestNumbers::roundedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("75") << 75.0 << QByteArray("75");
    QTest::newRow("0.05 is above the half") << 0.05 << QByteArray("0.1");
    QTest::newRow("0.25 tie to even") << 0.25 << QByteArray("0.2");
    QTest::newRow("0.35 below the half") << 0.35 << QByteArray("0.3");
    QTest::newRow("99.96") << 99.96 << QByteArray("100");
}

void TestNumbers::roundedText()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(RoundedText(value), text);
}

void TestNumbers::elapsedText()
{
    QCOMPARE(ElapsedText(0), QByteArray("0:0:0"));
    QCOMPARE(ElapsedText(12 * 60 + 5), QByteArray("0:12:5"));
    QCOMPARE(ElapsedText(65), QByteArray("0:1:5"));
    QCOMPARE(ElapsedText(25 * 3600 + 61), QByteArray("1:1:1"));
}

void TestNumbers::clockCanBeFixed()
{
    const QDateTime fixed(QDate(2005, 12, 30), QTime(10, 0));
    SetClock([fixed] { return fixed; });
    QCOMPARE(Now(), fixed);
    SetClock({});
    QVERIFY(Now().date().year() > 2020);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
