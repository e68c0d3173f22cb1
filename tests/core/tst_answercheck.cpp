// Answer checking by type: numbers, words, exact forms, alternatives and groups.
#include "marking/answercheck.h"
#include "records/learner.h"

#include <QtTest>

using namespace orlavine;

namespace {
const QByteArray R = kRightMark;
const QByteArray W = kWrongMark;

/// Checks every slot of a list of answers against keys of one type.
Fields CheckAll(const Fields& answers, const Fields& keys, const QByteArray& type)
{
    const Fields types(keys.size(), type);
    Fields results;
    for (int i = 0; i < keys.size(); ++i)
        results.append(CheckSubAnswer(answers, keys, types, i));
    return results;
}

Fields Expected(const Fields& answers, const Fields& keys)
{
    const Fields types(keys.size(), "G");
    Fields shown;
    for (int i = 0; i < keys.size(); ++i)
        shown.append(ExpectedGroupAnswer(answers, keys, types, i));
    return shown;
}
} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private slots:
    void checkAnswer_data();
    void checkAnswer();
    void alternatives_data();
    void alternatives();
    void groupsAnyOrder_data();
    void groupsAnyOrder();
    void followOnWithoutHead();
    void longGroupLooksBackTwentySlots();
    void expectedGroupAnswer_data();
    void expectedGroupAnswer();
    void inputsUnchanged();
};

void TestAnswerCheck::checkAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("N 100.0") << QByteArray("100.0") << QByteArray("100") << QByteArray("N") << R;
    QTest::newRow("N 0.250") << QByteArray(" 0.250 ") << QByteArray("0.25") << QByteArray("N") << R;
    QTest::newRow("N .25") << QByteArray(".25") << QByteArray("0.25") << QByteArray("N") << R;
    QTest::newRow("N sign") << QByteArray("+3") << QByteArray("3") << QByteArray("N") << R;
    QTest::newRow("N negative") << QByteArray("-3") << QByteArray("-3") << QByteArray("N") << R;
    QTest::newRow("N empty") << QByteArray("") << QByteArray("0") << QByteArray("N") << W;
    QTest::newRow("N abc") << QByteArray("abc") << QByteArray("0") << QByteArray("N") << W;
    QTest::newRow("N 1e2") << QByteArray("1e2") << QByteArray("100") << QByteArray("N") << W;
    QTest::newRow("N bad key") << QByteArray("0") << QByteArray("abc") << QByteArray("N") << W;
    QTest::newRow("N different") << QByteArray("0.26") << QByteArray("0.25") << QByteArray("N") << W;
    QTest::newRow("Q 3") << QByteArray("3") << QByteArray("3") << QByteArray("Q") << R;
    QTest::newRow("Q 4") << QByteArray("4") << QByteArray("3") << QByteArray("Q") << W;
    QTest::newRow("T case") << QByteArray("  LUNGS ") << QByteArray("Lungs") << QByteArray("T") << R;
    QTest::newRow("T inner space") << QByteArray("Lung s") << QByteArray("Lungs") << QByteArray("T") << W;
    QTest::newRow("T accents") << QByteArray("CAF\xC9") << QByteArray("caf\xE9") << QByteArray("T") << R;
    QTest::newRow("L as T") << QByteArray("Photosynthesis") << QByteArray("photosynthesis") << QByteArray("L") << R;
    QTest::newRow("X two spaces") << QByteArray("1  1/2") << QByteArray("1 1/2") << QByteArray("X") << R;
    QTest::newRow("X no space") << QByteArray("11/2") << QByteArray("1 1/2") << QByteArray("X") << W;
    QTest::newRow("F ratio") << QByteArray(" 2 : 3 ") << QByteArray("2:3") << QByteArray("F") << R;
    QTest::newRow("R case") << QByteArray("ABC") << QByteArray("abc") << QByteArray("R") << W;
    QTest::newRow("unknown type") << QByteArray("x") << QByteArray("x") << QByteArray("Z") << QByteArray();
}

void TestAnswerCheck::checkAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, result);
    QCOMPARE(CheckAnswer(answer, key, type), result);
}

void TestAnswerCheck::alternatives_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("second") << QByteArray("gaseous") << QByteArray(";Gas;Gaseous") << R;
    QTest::newRow("trailing space") << QByteArray("Gas ") << QByteArray(";Gas;Gaseous") << R;
    QTest::newRow("empty") << QByteArray("") << QByteArray(";Gas;Gaseous") << W;
    QTest::newRow("no leading ;") << QByteArray("wood") << QByteArray("Sand ; Wood") << R;
    QTest::newRow("no leading ; first") << QByteArray("SAND") << QByteArray("Sand ; Wood") << R;
    QTest::newRow("no ; at all") << QByteArray("sand") << QByteArray("Sand") << R;
    QTest::newRow("wrong") << QByteArray("liquid") << QByteArray(";Gas;Gaseous") << W;
}

void TestAnswerCheck::alternatives()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, result);
    QCOMPARE(CheckAlternatives({answer}, {key}, {"M"}, 0), result);
}

void TestAnswerCheck::groupsAnyOrder_data()
{
    QTest::addColumn<Fields>("answers");
    QTest::addColumn<Fields>("keys");
    QTest::addColumn<Fields>("results");
    const Fields sandWood = {";Sand;Wood", " "};
    QTest::newRow("any order") << Fields({"wood", "Sand"}) << sandWood << Fields({R, R});
    QTest::newRow("repeat") << Fields({"Sand", "sand"}) << sandWood << Fields({R, W});
    QTest::newRow("wrong head") << Fields({"x", "Sand"}) << sandWood << Fields({W, R});
    QTest::newRow("both empty") << Fields({"", ""}) << sandWood << Fields({W, W});
    QTest::newRow("three") << Fields({"c", "a", "a"}) << Fields({";a;b;c", " ", " "}) << Fields({R, R, W});
    QTest::newRow("no leading ;") << Fields({"blue", "red"}) << Fields({"Red ; Blue", " "}) << Fields({R, R});
    QTest::newRow("two groups") << Fields({"b", "a", "y", "x"}) << Fields({";a;b", " ", ";x;y", " "})
                                << Fields({R, R, R, R});
}

void TestAnswerCheck::groupsAnyOrder()
{
    QFETCH(Fields, answers);
    QFETCH(Fields, keys);
    QFETCH(Fields, results);
    QCOMPARE(CheckAll(answers, keys, "G"), results);
}

void TestAnswerCheck::followOnWithoutHead()
{
    const Fields keys = {" ", " "};
    QCOMPARE(CheckAll({"a", " "}, keys, "G"), Fields({W, W}));
    QCOMPARE(ExpectedGroupAnswer({"a", ""}, keys, {"G", "G"}, 1), QByteArray());
}

void TestAnswerCheck::longGroupLooksBackTwentySlots()
{
    // A head followed by 21 follow-on slots: the 22nd slot looks back 20 slots, finds
    // only follow-ons, and takes the slot 21 places back, the head.
    Fields keys = {";a;b"};
    keys += Fields(21, " ");
    Fields answers(22, "");
    answers[21] = "b";
    QCOMPARE(CheckAlternatives(answers, keys, Fields(22, "G"), 21), R);
    // With one follow-on fewer before the list's start there is no head at all.
    Fields noHead(21, " ");
    QCOMPARE(CheckAlternatives(Fields(21, "b"), noHead, Fields(21, "G"), 20), W);
}

void TestAnswerCheck::expectedGroupAnswer_data()
{
    QTest::addColumn<Fields>("answers");
    QTest::addColumn<Fields>("keys");
    QTest::addColumn<Fields>("shown");
    const Fields abc = {";a;b;c", " ", " "};
    QTest::newRow("c a a") << Fields({"c", "a", "a"}) << abc << Fields({"b", "b", "b"});
    QTest::newRow("all right") << Fields({"b", "c", "a"}) << abc << Fields({"", "", ""});
    QTest::newRow("all empty") << Fields({"", "", ""}) << abc << Fields({"a", "b", "c"});
    QTest::newRow("empty head, mate gave a") << Fields({"", "a"}) << Fields({";a;b", " "}) << Fields({"", ""});
    QTest::newRow("no leading ;") << Fields({"", ""}) << Fields({"Red ; Blue", " "}) << Fields({"Red", "Blue"});
}

void TestAnswerCheck::expectedGroupAnswer()
{
    QFETCH(Fields, answers);
    QFETCH(Fields, keys);
    QFETCH(Fields, shown);
    QCOMPARE(Expected(answers, keys), shown);
}

void TestAnswerCheck::inputsUnchanged()
{
    const Fields answers = {"c", "a", "a"};
    const Fields keys = {";a;b;c", " ", " "};
    const Fields types = {"G", "G", "G"};
    const Fields a = answers, k = keys, t = types;
    for (int i = 0; i < 3; ++i) {
        CheckAlternatives(answers, keys, types, i);
        ExpectedGroupAnswer(answers, keys, types, i);
    }
    QCOMPARE(answers, a);
    QCOMPARE(keys, k);
    QCOMPARE(types, t);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
