// The quiz importers: what each kind of question becomes in the source text, which
// questions are left out and where, and that a broken file or a teacher's folder stops
// the import before anything is written.
#include "import.h"
#include "records/error.h"
#include "sourcewriter.h"

#include <QtTest>

using namespace orlavine::pack;

namespace {

const QString kExamples = QStringLiteral(ORLAVINE_EXAMPLES_DIR);

/// The paper text of the one question `quiz` imported.
QString OnlyPaper(const ImportedQuiz& quiz)
{
    if (quiz.importedCount() != 1 || !quiz.notes.isEmpty())
        return QStringLiteral("imported %1, notes: %2")
            .arg(quiz.importedCount())
            .arg(quiz.notes.join(QLatin1Char('\n')));
    return QString::fromUtf8(PaperSource(quiz.topics.first().questions));
}

ImportedQuiz ImportExample(const QString& name)
{
    QFile file(kExamples + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return name.endsWith(QLatin1String(".gift")) ? ImportGift(bytes, name)
                                                 : ImportAiken(bytes, name);
}

} // namespace

class TestPackImport : public QObject {
    Q_OBJECT

private slots:
    void giftKinds_data();
    void giftKinds();
    void giftLeftOut_data();
    void giftLeftOut();
    void aikenKinds_data();
    void aikenKinds();
    void leftOutWithTheirLines();
    void brokenFiles_data();
    void brokenFiles();
    void sourceFolderLayout();
    void nothingWrittenOnError();
};

void TestPackImport::giftKinds_data()
{
    QTest::addColumn<QByteArray>("gift");
    QTest::addColumn<QString>("paper");
    QTest::newRow("choice, feedback of the right option") << QByteArray(
        "Which gas? {~oxygen # No. =carbon dioxide # Plants take it in. ~nitrogen}")
        << "Question\nWhich gas?\n\n( ) oxygen\n(x) carbon dioxide\n( ) nitrogen\n\n"
           "Solution:\nPlants take it in.\n";
    QTest::newRow("true") << QByteArray("Ice is water. {T}")
                          << "Question\nIce is water.\nAnswer (true/false): true\n";
    QTest::newRow("false, feedback of the right answer")
        << QByteArray("Ice is hot.{FALSE #No. #Right, it is cold.}")
        << "Question\nIce is hot.\nAnswer (true/false): false\n\nSolution:\nRight, it is cold.\n";
    QTest::newRow("short answer") << QByteArray("Name the gas.\n{=oxygen}")
                                  << "Question\nName the gas.\nAnswer: oxygen\n";
    QTest::newRow("missing word, alternatives") << QByteArray("Two plus {=two =2} equals four.")
        << "Question\nTwo plus _____ equals four.\nAnswer (any): two; 2\n";
    QTest::newRow("missing word, choice") << QByteArray("A {~cat =dog} barks.")
        << "Question\nA _____ barks.\n\n( ) cat\n(x) dog\n";
    QTest::newRow("matching, extra match dropped")
        << QByteArray("Match them. {\n =cat -> fish\n =dog -> bone\n = -> hay\n}")
        << "Question\nMatch them.\n\ncat\nAnswer (word): fish\n\ndog\nAnswer (word): bone\n";
    QTest::newRow("numerical") << QByteArray("How many? {#5}")
                               << "Question\nHow many?\nAnswer (number): 5\n";
    QTest::newRow("numerical, no margin, feedback") << QByteArray("How many? {#=-0.5:0 #Half.}")
        << "Question\nHow many?\nAnswer (number): -0.5\n\nSolution:\nHalf.\n";
    QTest::newRow("general feedback") << QByteArray("What is 2 + 2? {#4 ####Add them.}")
        << "Question\nWhat is 2 + 2?\nAnswer (number): 4\n\nSolution:\nAdd them.\n";
    QTest::newRow("title, comment, escapes")
        << QByteArray("// a comment\n::Q\\:1::A *star* is 1\\:2, \\{x\\} \\= y\\nnext {T}")
        << "Question\nA \\*star\\* is 1:2, {x} = y\nnext\nAnswer (true/false): true\n";
    QTest::newRow("markdown") << QByteArray("[markdown]A *star*\\nis {T}")
                              << "Question\nA *star*\nis\nAnswer (true/false): true\n";
    QTest::newRow("html") << QByteArray("[html]<p>Is <i>this</i> &lt;b&gt;?</p><p>Yes<br>no</p>{T}")
        << "Question\nIs *this* \\<b>?\n\nYes\\\nno\nAnswer (true/false): true\n";
    QTest::newRow("lines that read as source or Markdown")
        << QByteArray("Question\\nAnswer: this\\n( ) not an option\\n# 1. no heading\\n"
                      "1. no list\\n- nor this\\n<b>snake_case {T}")
        << "Question\n&#81;uestion\n&#65;nswer: this\n\\( ) not an option\n\\# 1. no heading\n"
           "1\\. no list\n\\- nor this\n\\<b>snake_case\nAnswer (true/false): true\n";
}

void TestPackImport::giftKinds()
{
    QFETCH(QByteArray, gift);
    QFETCH(QString, paper);
    QCOMPARE(OnlyPaper(ImportGift(gift, QStringLiteral("t.gift"))), paper);
}

void TestPackImport::giftLeftOut_data()
{
    QTest::addColumn<QByteArray>("gift");
    QTest::addColumn<QString>("note");
    QTest::newRow("picture in HTML") << QByteArray("\n[html]<img src=a.png>Which? {T}")
                                     << "t:2: HTML the import cannot turn into Markdown (<img>)";
    QTest::newRow("no text") << QByteArray("[html]<p></p>{T}") << "t:1: a question without text";
    QTest::newRow("';' in a key") << QByteArray("Which? {=a;b}")
                                  << "t:1: the answer \"a;b\" holds a ';', which separates "
                                     "alternatives";
    QTest::newRow("no right option") << QByteArray("Which? {~a ~b}")
                                     << "t:1: a multiple choice with no right option";
    QTest::newRow("two sets") << QByteArray("Which {T} or {F}?")
                              << "t:1: more than one set of answers";
    QTest::newRow("pairs and options") << QByteArray("Match {=a -> b ~c}")
                                       << "t:1: a matching question whose answers are not all "
                                          "'=item -> match' pairs";
}

void TestPackImport::giftLeftOut()
{
    QFETCH(QByteArray, gift);
    QFETCH(QString, note);
    const ImportedQuiz quiz = ImportGift(gift, QStringLiteral("t"));
    QCOMPARE(quiz.notes, QStringList{note});
    QCOMPARE(quiz.importedCount(), 0);
}

void TestPackImport::aikenKinds_data()
{
    QTest::addColumn<QByteArray>("aiken");
    QTest::addColumn<QString>("paper");
    QTest::newRow("points") << QByteArray("\xEF\xBB\xBFWhich?\r\nA. one\r\nB. two\r\nANSWER: B\r\n")
                            << "Question\nWhich?\n\n( ) one\n(x) two\n";
    QTest::newRow("brackets, text of two lines")
        << QByteArray("\n\nWhat is\n2 * 3?\nA) 5\nB) 6\nC) 8\nD) _9_\nanswer: b")
        << "Question\nWhat is\n2 \\* 3?\n\n( ) 5\n(x) 6\n( ) 8\n( ) \\_9\\_\n";
}

void TestPackImport::aikenKinds()
{
    QFETCH(QByteArray, aiken);
    QFETCH(QString, paper);
    QCOMPARE(OnlyPaper(ImportAiken(aiken, QStringLiteral("t.txt"))), paper);
}

void TestPackImport::leftOutWithTheirLines()
{
    const ImportedQuiz gift = ImportExample(QStringLiteral("quiz.gift"));
    QCOMPARE(gift.notes,
             QStringList({
                 "quiz.gift:26: partial credit (a %-weight); the program marks an answer right "
                 "or wrong",
                 "quiz.gift:36: an essay; the program marks typed answers only",
                 "quiz.gift:51: a numerical margin (±0.2); the program marks one exact number",
                 "quiz.gift:53: a numerical range (1..3); the program marks one exact number",
                 "quiz.gift:55: several right options; a choice has one",
                 "quiz.gift:62: the answer \"λ\" has a character the record files cannot hold "
                 "(Windows-1252 only, no '>')",
                 "quiz.gift:64: 5 options; a choice has two to four",
                 "quiz.gift:76: several numerical answers, with partial credit; the program "
                 "marks one exact number",
                 "quiz.gift:78: a description without answers, skipped",
             }));
    QCOMPARE(gift.importedCount(), 16);
    QCOMPARE(gift.leftOut, 9);

    const ImportedQuiz aiken = ImportExample(QStringLiteral("quiz-aiken.txt"));
    QCOMPARE(aiken.notes,
             QStringList{"quiz-aiken.txt:14: 5 options; a choice has two to four"});
    QCOMPARE(aiken.importedCount(), 5);
}

void TestPackImport::brokenFiles_data()
{
    QTest::addColumn<bool>("gift");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("'{' not closed") << true << QByteArray("One {T}\n\nTwo {=a\n=b\n")
                                    << "t:3: a '{' without its '}'";
    QTest::newRow("'}' not opened") << true << QByteArray("One {T}}")
                                    << "t:1: a '}' without its '{'";
    QTest::newRow("'{' inside answers") << true << QByteArray("One {=a\n{=b}}")
                                        << "t:2: a '{' inside a set of answers";
    QTest::newRow("title not closed") << true << QByteArray("\n::Title One {T}")
                                      << "t:2: a title '::' is not closed";
    QTest::newRow("answer without = or ~") << true << QByteArray("One {\nabc}")
                                           << "t:2: an answer starts with '=' or '~'";
    QTest::newRow("no ANSWER line") << false << QByteArray("One?\nA. x\nB. y\n\n")
                                    << "t:1: a question without its ANSWER line";
    QTest::newRow("answer not an option") << false << QByteArray("One?\nA. x\nB. y\nANSWER: D")
                                          << "t:4: the answer D is not one of the options";
    QTest::newRow("options out of order") << false << QByteArray("One?\nA. x\nC. y\nANSWER: A")
                                          << "t:3: option B or the ANSWER line expected";
}

void TestPackImport::brokenFiles()
{
    QFETCH(bool, gift);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    try {
        gift ? ImportGift(bytes, QStringLiteral("t")) : ImportAiken(bytes, QStringLiteral("t"));
        QFAIL("no error");
    } catch (const orlavine::Error& e) {
        QCOMPARE(e.message(), error);
    }
}

void TestPackImport::sourceFolderLayout()
{
    QStringList warnings;
    const QList<SourceFile> files =
        SourceFiles(ImportExample(QStringLiteral("quiz.gift")), warnings);
    QCOMPARE(warnings, QStringList());
    QCOMPARE(files.size(), 16);
    QCOMPARE(files.first().bytes,
             QByteArray("Name: Quiz\nCode: QUIZ\n\nModule: Quiz\n"
                        "  Topic: Cells\n    cells/1.txt\n    cells/2.txt\n"
                        "    cells/3.txt\n    cells/4.txt\n    cells/5.txt\n"
                        "  Topic: Forces\n    forces/1.txt\n    forces/2.txt\n"
                        "    forces/3.txt\n    forces/4.txt\n    forces/5.txt\n"
                        "  Topic: Chemistry\n    chemistry/1.txt\n"
                        "    chemistry/2.txt\n    chemistry/3.txt\n"
                        "    chemistry/4.txt\n    chemistry/5.txt\n"));
    // Six questions in order: the first paper takes two.
    QCOMPARE(files.at(1).bytes.count("Question\n"), 2);
    QVERIFY(files.at(1).bytes.startsWith("Question\nWhat is the basic unit"));

    const ImportedQuiz few =
        ImportGift("$CATEGORY: top/Light & sound\n\nOne {T}\n\nTwo {F}\n\nThree {T}",
                   QStringLiteral("dir/year-7_forces.gift"));
    const QList<SourceFile> fewFiles = SourceFiles(few, warnings);
    QCOMPARE(fewFiles.size(), 4);
    QCOMPARE(fewFiles.first().bytes,
             QByteArray("Name: Year 7 forces\nCode: YEARFORC\n\nModule: Year 7 forces\n"
                        "  Topic: Light & sound\n    light-sound/1.txt\n    light-sound/2.txt\n"
                        "    light-sound/3.txt\n    // light-sound/4.txt to 5.txt still to be "
                        "written\n"));
    QCOMPARE(warnings, QStringList{"dir/year-7_forces.gift:1: the topic Light & sound has 3 "
                                   "questions, too few for five papers; write light-sound/4.txt "
                                   "to 5.txt"});
}

void TestPackImport::nothingWrittenOnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto import = [&](const QByteArray& quiz, const QString& out) {
        QFile file(dir.filePath(QStringLiteral("q.gift")));
        if (!file.open(QIODevice::WriteOnly) || file.write(quiz) != quiz.size())
            return -1;
        file.close();
        QProcess tool;
        tool.start(QStringLiteral(ORLAVINE_PACK_TOOL),
                   {QStringLiteral("import"), QStringLiteral("gift"), file.fileName(), out});
        return tool.waitForFinished(60000) ? tool.exitCode() : -1;
    };
    const QString fresh = dir.filePath(QStringLiteral("fresh"));
    QCOMPARE(import("One {T}\n\nTwo {=a", fresh), 1);
    QVERIFY(!QFileInfo::exists(fresh));

    // A folder with anything in it may be a teacher's: it stays as it is.
    const QString teachers = dir.filePath(QStringLiteral("teachers"));
    QVERIFY(QDir().mkpath(teachers + QStringLiteral("/cells")));
    QCOMPARE(import("One {T}", teachers), 1);
    QCOMPARE(QDir(teachers).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"cells"});
    QVERIFY(QDir(teachers + QStringLiteral("/cells")).isEmpty());
}

QTEST_GUILESS_MAIN(TestPackImport)
#include "tst_packimport.moc"
