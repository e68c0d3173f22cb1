#include "cardcheck.h"

#include "mainwin/cardpainter.h"
#include "records/recordtext.h"

#include <QApplication>
#include <QMap>
#include <QPrintDialog>
#include <QProcess>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

using namespace orlavine;

ModuleSettings TenTopics()
{
    ModuleSettings module;
    module.label = "Module";
    module.topicCount = 10;
    module.paperCount = 50;
    for (int t = 0; t < 10; ++t)
        module.topicNames[t] = "Topic " + QByteArray::number(t + 1);
    module.topicNames[3] = "Mock Examination";
    return module;
}

MarksLists SampleMarks()
{
    MarksLists marks;
    marks.fill(Fields(50));
    const QList<int> papers{0, 1, 7, 24, 49};
    for (int i = 0; i < papers.size(); ++i) {
        const int n = papers.at(i);
        marks[FSE][n] = QByteArray::number(55 + 10 * i) + ".5";
        marks[LTM][n] = "0:1" + QByteArray::number(i) + ":5";
        marks[CDD][n] = "0" + QByteArray::number(i + 1) + "/12/2026";
        if (i % 2 == 0)
            marks[SSE][n] = "100";
    }
    return marks;
}

namespace {

struct Word {
    double left;
    double right;
    double top;
    QString text;
};

/// The words of a page set out as text lines in fixed columns.
QStringList WordLines(const QList<Word>& words)
{
    double width = 0;
    int characters = 0;
    for (const Word& word : words) {
        width += word.right - word.left;
        characters += int(word.text.size());
    }
    const double pitch = characters > 0 ? width / characters : 1;
    QMap<qint64, QString> lines; // by top edge in tenths of a point
    for (const Word& word : words) {
        QString& line = lines[qRound64(word.top * 10)];
        const int column = qRound(word.left / pitch);
        line = line.leftJustified(column, QLatin1Char(' ')) + word.text;
    }
    return lines.values();
}

/// Lines right-trimmed, empty lines dropped and the indent they all share removed:
/// pdftotext measures columns from the leftmost text of a page.
QStringList Trimmed(const QStringList& lines)
{
    QStringList out;
    qsizetype indent = -1;
    for (QString line : lines) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (line.isEmpty())
            continue;
        qsizetype lead = 0;
        while (line.at(lead).isSpace())
            ++lead;
        indent = indent < 0 ? lead : qMin(indent, lead);
        out.append(line);
    }
    for (QString& line : out)
        line.remove(0, indent);
    return out;
}

} // namespace

QList<QStringList> PdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    // Each word's column is its left edge over the character pitch, measured on the words.
    QList<QList<Word>> pages;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append(QList<Word>());
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QXmlStreamAttributes a = xml.attributes();
            Word word{a.value("xMin").toDouble(), a.value("xMax").toDouble(),
                      a.value("yMin").toDouble(), xml.readElementText()};
            pages.last().append(word);
        }
    }
    QList<QStringList> out;
    for (const QList<Word>& words : pages)
        out.append(Trimmed(WordLines(words)));
    return out;
}

QList<QStringList> ExpectedPages(const QList<CardLine>& lines, QPrinter& printer)
{
    const CardPageLayout layout = CardLayoutFor(printer);
    QList<QStringList> pages;
    for (const QList<CardLine>& page : CardPages(lines, layout.linesPerPage)) {
        QStringList text;
        for (const CardLine& line : page)
            text.append(DecodeRecordText(ZoneText(line).left(layout.columns)));
        pages.append(Trimmed(text));
    }
    return pages;
}

QString ComparePages(const QList<QStringList>& actual, const QList<QStringList>& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("%1 pages printed, %2 expected")
            .arg(actual.size())
            .arg(expected.size());
    for (int p = 0; p < actual.size(); ++p) {
        const QStringList& a = actual.at(p);
        const QStringList& e = expected.at(p);
        for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
            if (a.value(i) != e.value(i)) {
                return QStringLiteral("page %1, line %2:\n printed  \"%3\"\n expected \"%4\"")
                    .arg(p + 1)
                    .arg(i + 1)
                    .arg(a.value(i), e.value(i));
            }
        }
    }
    return QString();
}

void WhenDialogOpens(const std::function<void(QPrintDialog*)>& action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}
