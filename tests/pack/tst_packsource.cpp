// A package source: every kind of mistake reported at its file and line, and a good
// source written as a package the checker passes.
#include "check.h"
#include "generate.h"
#include "source.h"

#include <QtTest>

using namespace orlavine::pack;

namespace {

/// A 1 x 1 PNG picture.
const QByteArray kPng = QByteArray::fromBase64(
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");

const QByteArray kSettings = "Name: Test\nCode: T1\nModule: M\nTopic: T\np1.txt\np2.txt\np3.txt\n"
                             "p4.txt\np5.txt\n";

/// A source of one module, one topic and five papers of one question each.
MemoryFiles GoodSource()
{
    MemoryFiles source;
    source.files.insert(QStringLiteral("package.txt"), kSettings);
    for (int p = 1; p <= 5; ++p)
        source.files.insert(QStringLiteral("p%1.txt").arg(p),
                            "Question\nHow many legs has a spider?\nAnswer: 8\n");
    return source;
}

QByteArray Repeated(const QByteArray& text, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

} // namespace

class TestPackSource : public QObject {
    Q_OBJECT

private slots:
    void reportsMistakeAtItsLine_data();
    void reportsMistakeAtItsLine();
    void goodSourceBuildsACheckedPackage();
};

void TestPackSource::reportsMistakeAtItsLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // the first error's start

    const QString p1 = QStringLiteral("p1.txt");
    const QString settings = QStringLiteral("package.txt");
    auto paper = [&](const char* name, const QByteArray& text, const char* error) {
        QTest::newRow(name) << p1 << text << QString::fromUtf8(error);
    };
    paper("inline HTML", "Question\nSome <b>bold</b> text.\nAnswer: 3\n", "p1.txt:2: raw HTML");
    paper("HTML block", "Question\nText.\n\n<div>\nx\n</div>\nAnswer: 3\n", "p1.txt:4: raw HTML");
    paper("missing picture", "Question\n\n![a hen](hen.png)\nAnswer: 3\n",
          "p1.txt:3: the picture \"hen.png\" is missing");
    paper("picture of another type", "Question\n![a hen](bad.png)\nAnswer: 3\n",
          "p1.txt:2: the picture \"bad.png\" is not a PNG");
    paper("unknown attribute", "Question\nText.\n\nAnswer (essay): x\n",
          "p1.txt:4: unknown answer attribute \"essay\"");
    paper("two types", "Question\nText.\nAnswer (word, number): 3\n",
          "p1.txt:3: two answer types");
    paper("number key not a number", "Question\nText.\nAnswer (number): twelve\n",
          "p1.txt:3: the key \"twelve\" of a number answer");
    paper("true/false key", "Question\nText.\nAnswer (true/false): maybe\n",
          "p1.txt:3: the key of a true/false answer");
    paper("group wider than its key", "Question\nText.\nAnswer (group of 3): a; b; A\n",
          "p1.txt:3: a group of 3 needs");
    paper("choice without a right option", "Question\nText.\n\n( ) a\n( ) b\n",
          "p1.txt:4: no option is marked right");
    paper("choice with two right options", "Question\nText.\n(x) a\n( ) b\n(X) c\n",
          "p1.txt:3: a choice has one right option, not 2");
    paper("five options", "Question\nText.\n(x) a\n( ) b\n( ) c\n( ) d\n( ) e\n",
          "p1.txt:3: a choice has two to four options, not 5");
    paper("one option", "Question\nText.\n(x) a\n", "p1.txt:3: a choice has two to four");
    paper("key beyond Windows-1252", "Question\nText.\nAnswer: \xE2\x89\x88\n",
          "p1.txt:3: the key \"\xE2\x89\x88\" holds a character");
    paper("question of 21 answers",
          "Question\nText.\nAnswer (group of 20): a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t\n"
          "Answer: 1\n",
          "p1.txt:1: the question has 21 answers");
    paper("paper of 85 answers",
          Repeated("Question\nText.\nAnswer (group of 17): a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q\n", 5),
          "p1.txt:13: the paper passes 80 answers here");
    paper("id out of range", "\nQuestion 15000\nText.\nAnswer: 1\n",
          "p1.txt:2: the question id \"15000\" is not a number from 16001 to 19448");
    paper("no questions", "\n\n", "p1.txt:1: the paper has no questions");
    paper("text before the first question", "Hello\nQuestion\nText.\nAnswer: 1\n",
          "p1.txt:1: text before the first Question line");
    paper("question without an answer", "Question\nText.\n\nSolution:\nWork.\n",
          "p1.txt:1: the question has no answer");
    paper("answer after the solution", "Question\nText.\nAnswer: 1\nSolution:\nWork.\nAnswer: 2\n",
          "p1.txt:6: an answer line or page after the solution");
    paper("missing page", "Question\nPage: q.mht\nAnswer: 1\n",
          "p1.txt:2: the page \"q.mht\" is missing");
    paper("page not MHTML", "Question\nPage: bad.png\nAnswer: 1\n",
          "p1.txt:2: the page \"bad.png\" is not a single-file web page");
    QTest::newRow("duplicate id") << QStringLiteral("p2.txt")
                                  << QByteArray("Question 16001\nText.\nAnswer: 1\n")
                                  << QStringLiteral("p2.txt:1: the id 16001 is already the id "
                                                    "of the question at p1.txt:1");

    auto setting = [&](const char* name, const QByteArray& text, const char* error) {
        QTest::newRow(name) << settings << text << QString::fromUtf8(error);
    };
    setting("missing paper file", "Name: N\nCode: C\nModule: M\n  Topic: T\n    p?.txt\n    p9.txt\n",
            "package.txt:6: the paper file \"p9.txt\" is missing");
    setting("topic of four papers", "Name: N\nCode: C\nModule: M\nTopic: T\np1.txt\np2.txt\np3.txt\n"
                                    "p4.txt\n",
            "package.txt:4: the topic has 4 papers; a topic has exactly 5");
    setting("paper listed twice", "Name: N\nCode: C\nModule: M\nTopic: T\np?.txt\np3.txt\n",
            "package.txt:6: the paper file \"p3.txt\" is listed twice");
    setting("four modules", kSettings + "Module: A\nTopic: B\nModule: C\nTopic: D\nModule: E\n",
            "package.txt:14: a package has at most 3 modules");
    setting("eleven topics",
            "Name: N\nCode: C\nModule: M\n" + Repeated("Topic: T\n", 10) + "Topic: U\np?.txt\n",
            "package.txt:14: a module has at most 10 topics");
    setting("long code", "Name: N\nCode: CODE12345\nModule: M\nTopic: T\np?.txt\n",
            "package.txt:2: the code \"CODE12345\" must be letters and digits");
    setting("name beyond Windows-1252",
            "NAME: Physik \xE2\x86\x92 Kr\xC3\xA4" "fte\nCode: C\nModule: M\nTopic: T\np?.txt\n",
            "package.txt:1: the name \"Physik \xE2\x86\x92 Kr\xC3\xA4" "fte\" holds a character");
    setting("topic name with >", "Name: N\nCode: C\nModule: M\nTopic: a > b\np?.txt\n",
            "package.txt:4: the topic name \"a > b\" holds a character");
    setting("unknown setting", "Name: N\nCode: C\nColour: red\nModule: M\nTopic: T\np?.txt\n",
            "package.txt:3: unknown setting \"Colour\"");
}

void TestPackSource::reportsMistakeAtItsLine()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    MemoryFiles source = GoodSource();
    source.files.insert(QStringLiteral("bad.png"), "BM not a PNG");
    source.files.insert(QStringLiteral("p1.txt"), "Question 16001\nText.\nAnswer: 1\n");
    source.files.insert(file, bytes);
    QStringList errors;
    ReadSource(source, errors);
    QVERIFY(!errors.isEmpty());
    QVERIFY2(errors.first().startsWith(error), qPrintable(errors.join(QLatin1Char('\n'))));
}

void TestPackSource::goodSourceBuildsACheckedPackage()
{
    // Keywords in any case, indentation, CR LF line ends, pictures beside the paper and in
    // pictures/, every kind of answer, a saved page.
    MemoryFiles source = GoodSource();
    source.files.insert(QStringLiteral("package.txt"),
                        "name: Test\r\n  CODE: T1\r\n\r\nModule: M\r\n  topic: T\r\n    p?.txt\r\n");
    source.files.insert(QStringLiteral("pictures/dot.png"), kPng);
    source.files.insert(QStringLiteral("box.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    // A page saved by a word processor: its file: parts are re-addressed for the viewer.
    QFile saved(QStringLiteral(ORLAVINE_TEST_DATA "/pages/wordpage.mht"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    source.files.insert(QStringLiteral("page.mht"), saved.readAll());
    source.files.insert(
        QStringLiteral("p1.txt"),
        "QUESTION\r\n  Look at ![a dot](dot.png) and ![a box](box.svg).\r\n\r\n"
        "  | a | b |\r\n  |---|---|\r\n  | 1 | 2 |\r\n\r\n"
        "  Answer (number, 2 marks, unit cm): 0.5\r\n"
        "Which?\r\n( ) no\r\n(x) **yes**\r\n"
        "answer (any): red; blue\r\nAnswer (group of 2): a; b; c\r\n"
        "Answer (true/false): T\r\nAnswer (exact): (3,4)\r\nAnswer: word\r\n"
        "Solution:\r\nStep one.\r\n\r\nStep two, \xC3\xA9t\xC3\xA9.\r\n"
        "Question 16003\r\nPage: page.mht\r\nAnswer: 2\r\n");
    QStringList errors;
    PackageContent content = ReadSource(source, errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    const QList<Question>& questions = content.modules.first().papers.first().questions;
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions.first().slotCount(), 8);
    QCOMPARE(questions.first().marks(), 9);
    QCOMPARE(questions.first().working.size(), 2);
    QCOMPARE(questions.at(1).id, 16003);
    // Ids given are skipped by those numbered in order.
    QCOMPARE(content.modules.first().papers.at(1).questions.first().id, 16002);
    QCOMPARE(content.modules.first().papers.at(2).questions.first().id, 16004);

    QTemporaryDir out;
    content.skinFolders = {DefaultSkinFolder()};
    WritePackage(out.path(), content);
    QString problems;
    for (const Problem& problem : CheckPackage(out.path()))
        problems += problem.text() + QLatin1Char('\n');
    QVERIFY2(!problems.contains(QLatin1String("error")), qPrintable(problems));
    QFile page(QDir(out.path()).filePath(QStringLiteral("16001.mht")));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    QVERIFY(bytes.contains("Content-Type: image/png\r\nContent-Transfer-Encoding: base64"));
    QVERIFY(bytes.contains("src=3D\"cid:picture2@orlavine.example\" alt=3D\"a box\""));
    QFile savedPage(QDir(out.path()).filePath(QStringLiteral("16003.mht")));
    QVERIFY(savedPage.open(QIODevice::ReadOnly));
    QVERIFY(!savedPage.readAll().contains("Content-Location: file:"));
}

QTEST_GUILESS_MAIN(TestPackSource)
#include "tst_packsource.moc"
