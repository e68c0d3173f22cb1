// The pieces of the package tool: number texts, the generator's random numbers, quoted-
// printable, the MIME reader and what the page check makes of hand-made pages.
#include "answerforms.h"
#include "bankutil.h"
#include "check.h"
#include "marking/answercheck.h"
#include "mhtml.h"
#include "mime.h"
#include "numbertext.h"
#include "page.h"
#include "papers.h"
#include "prng.h"
#include "svg.h"

#include <QtTest>

using namespace orlavine::pack;

namespace {

const QByteArray kHtml = "<html><body><p>Look:</p><img src=\"%1\"></body></html>";
const QByteArray kSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"></svg>";

QByteArray PageWith(const QByteArray& reference, const PicturePart& picture)
{
    return MhtmlDocument(QByteArray(kHtml).replace("%1", reference), "http://host.example/q1.htm",
                         {picture}, "----=_b");
}

} // namespace

Q_DECLARE_METATYPE(Part)

class TestPackUnits : public QObject {
    Q_OBJECT

private slots:
    void numberTexts_data();
    void numberTexts();
    void wordsAndNumerals();
    void fractions();
    void randomNumbers();
    void pictureCoordinates();
    void quotedPrintable();
    void quotedPrintableDecoding_data();
    void quotedPrintableDecoding();
    void mimeDocuments();
    void mimeFaults_data();
    void mimeFaults();
    void pagePictures_data();
    void pagePictures();
    void pageLayout();
    void rightAnswersInAnyCommonForm_data();
    void rightAnswersInAnyCommonForm();
    void choiceWithOneRightOption();
};

void TestPackUnits::numberTexts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("commas") << WithCommas(47382) << "47,382";
    QTest::newRow("million") << WithCommas(1234567) << "1,234,567";
    QTest::newRow("small") << WithCommas(999) << "999";
    QTest::newRow("negative") << WithCommas(-4000) << "-4,000";
    QTest::newRow("hundredths") << DecimalText(625, 2) << "6.25";
    QTest::newRow("trailing zero") << DecimalText(50, 2) << "0.5";
    QTest::newRow("whole") << DecimalText(300, 2) << "3";
    QTest::newRow("negative decimal") << DecimalText(-5, 1) << "-0.5";
    QTest::newRow("money") << FixedText(450, 2) << "4.50";
    QTest::newRow("pence") << FixedText(7, 2) << "0.07";
}

void TestPackUnits::numberTexts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestPackUnits::wordsAndNumerals()
{
    QCOMPARE(NumberWords(0), QStringLiteral("zero"));
    QCOMPARE(NumberWords(42), QStringLiteral("forty-two"));
    QCOMPARE(NumberWords(352), QStringLiteral("three hundred and fifty-two"));
    QCOMPARE(NumberWords(700), QStringLiteral("seven hundred"));
    QCOMPARE(NumberWords(2406), QStringLiteral("two thousand four hundred and six"));
    QCOMPARE(NumberWords(4052), QStringLiteral("four thousand and fifty-two"));
    QCOMPARE(NumberWords(9000), QStringLiteral("nine thousand"));
    QCOMPARE(RomanNumeral(14), QStringLiteral("XIV"));
    QCOMPARE(RomanNumeral(49), QStringLiteral("XLIX"));
    QCOMPARE(RomanNumeral(99), QStringLiteral("XCIX"));
    QCOMPARE(RomanNumeral(2024), QStringLiteral("MMXXIV"));
}

void TestPackUnits::fractions()
{
    QCOMPARE(Gcd(12, 18), 6);
    QCOMPARE(SimplestFraction(12, 18), QStringLiteral("2/3"));
    QCOMPARE(SimplestFraction(8, 4), QStringLiteral("2"));
    QCOMPARE(MixedNumber(11, 4), QStringLiteral("2 3/4"));
    QCOMPARE(MixedNumber(14, 4), QStringLiteral("3 1/2"));
    QCOMPARE(MixedNumber(3, 4), QStringLiteral("3/4"));
    QCOMPARE(MixedNumber(8, 4), QStringLiteral("2"));
}

void TestPackUnits::randomNumbers()
{
    Prng a(42), b(42), c(43);
    QList<std::uint64_t> first, second;
    for (int i = 0; i < 5; ++i) {
        first.append(a.next());
        second.append(b.next());
    }
    QCOMPARE(first, second);
    QVERIFY(c.next() != first.first());
    // The first numbers of seed 42 are fixed for good: the package's bytes depend on them.
    QCOMPARE(first.first(), std::uint64_t(0xBDD732262FEB6E95ull));
    Prng r(1);
    QSet<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int v = r.range(-3, 3);
        QVERIFY(v >= -3 && v <= 3);
        seen.insert(v);
    }
    QCOMPARE(seen.size(), 7);
    QCOMPARE(r.range(5, 5), 5);
    QList<int> items = {1, 2, 3, 4, 5, 6};
    r.shuffle(items);
    QList<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, (QList<int>{1, 2, 3, 4, 5, 6}));
}

void TestPackUnits::pictureCoordinates()
{
    QCOMPARE(Svg::num(3.0), QStringLiteral("3"));
    QCOMPARE(Svg::num(2.25), QStringLiteral("2.3"));
    QCOMPARE(Svg::num(-0.5), QStringLiteral("-0.5"));
    QCOMPARE(Svg::num(-0.04), QStringLiteral("0"));
    QCOMPARE(Svg::pt({10, 20.5}), QStringLiteral("10,20.5"));
}

void TestPackUnits::quotedPrintable()
{
    const QByteArray text = "<p class=\"a\">" + QByteArray(200, 'x') + "</p>\nend \n\xe9\n";
    const QByteArray encoded = QuotedPrintable(text);
    for (const QByteArray& line : encoded.split('\n'))
        QVERIFY(line.size() <= 77); // 76 characters and the CR
    QVERIFY(encoded.contains("=3D\"a\""));
    QVERIFY(encoded.contains("end=20\r\n")); // a space at a line end is escaped
    QVERIFY(encoded.contains("=E9"));
    QByteArray decoded;
    QVERIFY(DecodeQuotedPrintable(encoded, decoded));
    QCOMPARE(decoded, QByteArray(text).replace("\n", "\r\n"));
}

void TestPackUnits::quotedPrintableDecoding_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("soft break") << QByteArray("ab=\r\ncd") << true << QByteArray("abcd");
    QTest::newRow("soft break LF") << QByteArray("ab=\ncd") << true << QByteArray("abcd");
    QTest::newRow("lower-case hex") << QByteArray("=3d") << true << QByteArray("=");
    QTest::newRow("equals at the end") << QByteArray("ab=") << true << QByteArray("ab");
    QTest::newRow("bad hex") << QByteArray("a=ZZb") << false << QByteArray();
    QTest::newRow("cut escape") << QByteArray("a=4") << false << QByteArray();
}

void TestPackUnits::quotedPrintableDecoding()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, decoded);
    QByteArray out;
    QCOMPARE(DecodeQuotedPrintable(text, out), valid);
    if (valid)
        QCOMPARE(out, decoded);
}

void TestPackUnits::mimeDocuments()
{
    QStringList errors;
    const MimeDocument single =
        ParseMime(MhtmlDocument("<p>hi</p>\n", "http://h.example/a.htm", {}, "b"), errors);
    QVERIFY(errors.isEmpty());
    QCOMPARE(single.parts.size(), 1);
    QCOMPARE(single.parts.first().mediaType(), QByteArray("text/html"));
    QCOMPARE(DecodeBody(single.parts.first(), errors), QByteArray("<p>hi</p>\r\n"));

    const PicturePart picture{"image/svg+xml", "", "p1@h.example", kSvg};
    const MimeDocument multi = ParseMime(PageWith("cid:p1@h.example", picture), errors);
    QVERIFY(errors.isEmpty());
    QCOMPARE(multi.top.typeParameter("boundary"), QByteArray("----=_b"));
    QCOMPARE(multi.parts.size(), 2);
    QCOMPARE(multi.parts.at(1).contentId(), QByteArray("p1@h.example"));
    QCOMPARE(DecodeBody(multi.parts.at(1), errors), kSvg + "\r\n");

    // Folded headers and base64 bodies broken over lines are read as one.
    const QByteArray folded = "Content-Type: multipart/related;\r\n\tboundary=\"x\"\r\n\r\n--x\r\n"
                              "Content-Type: image/gif\r\nContent-Transfer-Encoding: "
                              "base64\r\n\r\nR0lG\r\nODlh\r\n--x--\r\n";
    const MimeDocument other = ParseMime(folded, errors);
    QVERIFY(errors.isEmpty());
    QCOMPARE(DecodeBody(other.parts.first(), errors), QByteArray("GIF89a"));
}

void TestPackUnits::mimeFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("no blank line") << QByteArray("Content-Type: text/html") << "headers do not end";
    QTest::newRow("no content type")
        << QByteArray("MIME-Version: 1.0\r\n\r\n<p>") << "no Content-Type";
    QTest::newRow("no boundary") << QByteArray("Content-Type: multipart/related\r\n\r\n")
                                 << "no boundary";
    QTest::newRow("cut short") << QByteArray(
                                      "Content-Type: multipart/related; "
                                      "boundary=b\r\n\r\n--b\r\nContent-Type: text/html\r\n\r\n<p>")
                               << "closing boundary";
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff garbage without a colon\r\n\r\n")
                             << "headers do not end";
}

void TestPackUnits::mimeFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fragment);
    QStringList errors;
    ParseMime(bytes, errors);
    QVERIFY(!errors.isEmpty());
    QVERIFY2(errors.join(QLatin1Char('|')).contains(fragment),
             qPrintable(errors.join(QLatin1Char('|'))));
}

void TestPackUnits::pagePictures_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("warning");
    const PicturePart byCid{"image/svg+xml", "", "p1@h.example", kSvg};
    const PicturePart byAddress{"image/svg+xml", "http://host.example/pics/p1.svg", "", kSvg};
    QTest::newRow("cid") << PageWith("cid:p1@h.example", byCid) << 1 << ""
                         << "";
    QTest::newRow("relative address") << PageWith("pics/p1.svg", byAddress) << 1 << ""
                                      << "";
    QTest::newRow("absolute address")
        << PageWith("http://host.example/pics/p1.svg", byAddress) << 1 << ""
        << "";
    QTest::newRow("data address") << PageWith("data:image/gif;base64,R0lGODlh", byAddress) << 0
                                  << ""
                                  << "part 2 is never shown";
    QTest::newRow("wrong cid") << PageWith("cid:p2@h.example", byCid) << 0
                               << "\"cid:p2@h.example\", which is not among"
                               << "never shown";
    QTest::newRow("local file") << PageWith("file:///C:/p1.svg", byAddress) << 0 << "a local file"
                                << "never shown";
    QTest::newRow("part in a local file")
        << PageWith("pics/p1.svg", PicturePart{"image/svg+xml", "file:///C:/pics/p1.svg", "", kSvg})
        << 0 << "part 2 is located at file:///C:/pics/p1.svg"
        << "never shown";
    QTest::newRow("nowhere") << PageWith("pics/p1.svg", PicturePart{"image/svg+xml", "", "", kSvg})
                             << 0 << "neither a Content-Location nor a Content-ID"
                             << "never shown";
    QTest::newRow("not a picture")
        << PageWith("cid:p1@h.example", PicturePart{"image/gif", "", "p1@h.example", "text"}) << 1
        << "declared image/gif but does not hold one"
        << "";
    QTest::newRow("not html") << QByteArray("Content-Type: text/plain\r\n\r\nhello") << 0
                              << "not text/html"
                              << "";
    QTest::newRow("beyond ascii") << QByteArray("Content-Type: text/html\r\n\r\n<p>caf\xe9</p>")
                                  << 0 << ""
                                  << "beyond ASCII";
}

void TestPackUnits::pagePictures()
{
    QFETCH(QByteArray, page);
    QFETCH(int, pictures);
    QFETCH(QString, error);
    QFETCH(QString, warning);
    QStringList errors, warnings;
    QCOMPARE(PagePictureCount(page, errors, warnings), pictures);
    QCOMPARE(errors.isEmpty(), error.isEmpty());
    QVERIFY2(errors.join(QLatin1Char('|')).contains(error),
             qPrintable(errors.join(QLatin1Char('|'))));
    QCOMPARE(warnings.isEmpty(), warning.isEmpty());
    QVERIFY2(warnings.join(QLatin1Char('|')).contains(warning),
             qPrintable(warnings.join(QLatin1Char('|'))));
}

void TestPackUnits::pageLayout()
{
    Question q = Make(
        Para(QStringLiteral("Stem")),
        {NumberPart(QStringLiteral("first"), 3, 2),
         GroupPart(QString(), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 2),
         ChoicePart(QStringLiteral("pick"), {"w", "x", "y", "z"}, 2)});
    q.topic = QStringLiteral("Shape & Data");
    const QString html = QString::fromLatin1(PageHtml(q, 7, {}));
    // Letters in the order of the answer sheet: one per sub-answer, a group's together.
    const qsizetype a = html.indexOf(QLatin1String(">(a)<")),
                    bc = html.indexOf(QLatin1String(">(b) (c)<")),
                    d = html.indexOf(QLatin1String(">(d)<"));
    QVERIFY(a > 0 && bc > a && d > bc);
    QVERIFY(html.contains(QLatin1String("<span class=\"no\">7</span>")));
    QVERIFY(html.contains(QLatin1String("Shape &amp; Data")));
    QVERIFY(html.contains(QLatin1String("5 marks")));
    QVERIFY(html.indexOf(QLatin1String("<b>1</b>w")) < html.indexOf(QLatin1String("<b>4</b>z")));
    QCOMPARE(q.parts.at(2).subs.first().key, QByteArray("3"));

    // A question of one sub-answer has no letter, and its options are numbered.
    const Question single =
        ChoiceQuestion(Para(QStringLiteral("Which?")), Choice{{"p", "q", "r", "s"}, 0});
    const QString one = QString::fromLatin1(PageHtml(single, 1, {}));
    QVERIFY(!one.contains(QLatin1String("(a)")));
    QVERIFY(one.contains(QLatin1String("<b>1</b>p")));
    QVERIFY(one.contains(QLatin1String("1 mark<")));

    // A unit goes right after the answer line, a form beside it.
    const Question measured = Make(Para(QStringLiteral("How long?")),
                                   {MeasurePart({}, 14, 0, units::kCm),
                                    FormPart({}, 'R', QStringLiteral("09:05"), QStringLiteral("as hh:mm"))});
    const QString lines = QString::fromLatin1(PageHtml(measured, 1, {}));
    QVERIFY(lines.contains(QLatin1String("<span class=\"ln\"></span> cm")));
    QVERIFY(lines.contains(QLatin1String("<span class=\"ln\"></span> <span class=\"fm\">(as hh:mm)")));
}

void TestPackUnits::rightAnswersInAnyCommonForm_data()
{
    using namespace units;
    QTest::addColumn<Part>("part");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<QStringList>("wrong");
    QTest::newRow("length") << MeasurePart({}, 14, 0, kCm)
                            << QStringList{"14", "14 cm", "14cm", "14 CM", "14.0 cm",
                                           "14 centimetres"}
                            << QStringList{"15 cm", "14 c m", "14 m"};
    QTest::newRow("money") << MeasurePart({}, 1100, 2, kPounds)
                           << QStringList{"11", "\u00A311", "\u00A3 11", "\u00A311.00", "11 pounds"}
                           << QStringList{"\u00A31100", "110"};
    QTest::newRow("thousands") << MeasurePart({}, 1050, 0, kNone)
                               << QStringList{"1050", "1,050", "1 050"}
                               << QStringList{"10 50", "1.050"};
    QTest::newRow("tenths") << MeasurePart({}, 5, 1, kNone)
                            << QStringList{"0.5", "0.50", ".5"} << QStringList{"5", "0.05"};
    QTest::newRow("angle") << MeasurePart({}, 187, 0, kDegrees)
                           << QStringList{"187", "187\u00B0", "187 degrees"}
                           << QStringList{"178\u00B0"};
    QTest::newRow("time") << MeasurePart({}, 90, 0, kMinutes)
                          << QStringList{"90", "90 minutes", "90 mins"} << QStringList{"1 30"};
    QTest::newRow("fraction") << FractionAnswerPart({}, 3, 5, false)
                              << QStringList{"3/5", "6/10", "3 / 5", "60/100"}
                              << QStringList{"5/3", "0.6"};
    QTest::newRow("simplest fraction") << FractionAnswerPart({}, 6, 10, true)
                                       << QStringList{"3/5"} << QStringList{"6/10"};
    QTest::newRow("mixed number") << MixedAnswerPart({}, 5, 1, 2, false)
                                  << QStringList{"5 1/2", "5 2/4"} << QStringList{"22/4"};
    QTest::newRow("true") << TrueFalsePart({}, true) << QStringList{"T", "t", "True", "TRUE"}
                          << QStringList{"F", "false", "yes"};
    QTest::newRow("product") << ProductPart({}, 4, "m")
                             << QStringList{"4m", "4 m", "4\u00D7m", "4 x m", "4*m", "m4"}
                             << QStringList{"4+m", "m"};
}

void TestPackUnits::rightAnswersInAnyCommonForm()
{
    QFETCH(Part, part);
    QFETCH(QStringList, right);
    QFETCH(QStringList, wrong);
    const orlavine::Fields keys{part.subs.first().key};
    const orlavine::Fields types{QByteArray(1, part.subs.first().type)};
    const auto marked = [&](const QString& answer) {
        return orlavine::CheckSubAnswer({answer.toLatin1()}, keys, types, 0) == "\xFC";
    };
    for (const QString& answer : right)
        QVERIFY2(marked(answer), qPrintable(answer));
    for (const QString& answer : wrong)
        QVERIFY2(!marked(answer), qPrintable(answer));
}

void TestPackUnits::choiceWithOneRightOption()
{
    Prng rng(5);
    const Choice choice =
        UniqueChoice(rng, {{"square", false}, {"rectangle", true}, {"circle", false}, {"kite", false}});
    QCOMPARE(choice.options.at(choice.right), QString("rectangle"));
    // A square is a rectangle too: two options fit, which the generator refuses.
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             UniqueChoice(rng, {{"square", true}, {"rectangle", true},
                                                {"circle", false}, {"kite", false}}));
}

QTEST_GUILESS_MAIN(TestPackUnits)
#include "tst_packunits.moc"
