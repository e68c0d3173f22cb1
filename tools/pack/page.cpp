#include "page.h"

#include "html.h"

namespace orlavine::pack {

namespace {

const char* const kStyle =
    "body{margin:0;padding:50px 26px 28px;background:#fff;color:#243142;"
    "font:17px/1.55 'DejaVu Sans',Verdana,Arial,sans-serif}\n"
    ".q{max-width:680px}\n"
    ".hd{display:flex;align-items:center;border-bottom:2px solid "
    "#3478c8;padding-bottom:8px;margin-bottom:14px}\n"
    ".no{flex:none;width:34px;height:34px;border-radius:50%;background:#1e5aaa;color:#fff;font-"
    "weight:bold;"
    "text-align:center;line-height:34px;margin-right:12px}\n"
    ".tp{color:#5c697c;font-size:13px;letter-spacing:.08em;text-transform:uppercase}\n"
    ".mk{margin-left:auto;color:#5c697c;font-size:14px;white-space:nowrap}\n"
    "p{margin:0 0 10px}\n"
    ".fig{display:flex;flex-wrap:wrap;margin:4px 0 12px}\n"
    ".fig img{max-width:100%;height:auto;box-sizing:border-box;margin:0 14px 8px 0;"
    "border:1px solid #e2e8f0;border-radius:8px;padding:8px}\n"
    "ol.op{list-style:none;padding:0;margin:8px 0 4px;display:grid;grid-template-columns:1fr "
    "1fr;gap:8px 16px}\n"
    "ol.op li{border:1px solid #bcc6d4;border-radius:8px;padding:6px 10px}\n"
    "ol.op "
    "b{display:inline-block;width:26px;height:26px;border-radius:50%;background:#e2e8f0;color:#"
    "1e5aaa;"
    "text-align:center;line-height:26px;margin-right:10px;font-size:14px}\n"
    "table.pt{border-collapse:collapse;width:100%;margin:4px 0}\n"
    "table.pt td{padding:8px 6px;vertical-align:top;border-top:1px solid #e2e8f0}\n"
    "td.lt{width:1%;font-weight:bold;color:#1e5aaa;white-space:nowrap;padding-right:12px}\n"
    "td.pm{width:1%;text-align:right;color:#5c697c;font-size:14px;white-space:nowrap}\n"
    "table.dt{border-collapse:collapse;margin:4px 0 12px}\n"
    "table.dt th,table.dt td{border:1px solid #bcc6d4;padding:4px 14px;text-align:center}\n"
    "table.dt th{background:#eef3fa}\n"
    ".nt{margin-top:14px;font-size:14px;color:#4a5870;border-left:4px solid #f6b838;padding:5px "
    "10px;"
    "background:#fffaf0}\n"
    ".fr{display:inline-flex;flex-direction:column;vertical-align:middle;text-align:center;font-"
    "size:.85em;"
    "line-height:1.15;margin:0 3px}\n"
    ".fr span:first-child{border-bottom:1.5px solid currentColor;padding:0 2px}\n"
    ".big{font-size:1.25em;font-weight:bold;letter-spacing:.02em}\n"
    ".al{margin:6px 0 2px;white-space:nowrap}\n"
    ".ln{display:inline-block;width:110px;border-bottom:1.5px solid #243142;vertical-align:-2px}\n"
    ".fm{color:#5c697c;font-size:14px}\n"
    "ol.ws{margin:0 0 12px;padding-left:26px}\n"
    "ol.ws li{margin:0 0 8px;padding-left:4px}\n"
    ".an{margin-top:8px;border:1.5px solid #3c9a5f;border-radius:8px;background:#f2faf5;"
    "padding:8px 12px}\n"
    ".an b{color:#2a7a48}\n"
    ".an div{margin:2px 0}\n";

QString Options(const QStringList& options)
{
    QString html = QStringLiteral("<ol class=\"op\">");
    for (int i = 0; i < options.size(); ++i)
        html += QStringLiteral("<li><b>%1</b>%2</li>").arg(i + 1).arg(options.at(i));
    return html + QStringLiteral("</ol>\n");
}

int PartMarks(const Part& part)
{
    int marks = 0;
    for (const Slot& slot : part.subs)
        marks += slot.marks;
    return marks;
}

/// The answer line of a part with a unit or a form to write its answer in, as on a
/// printed paper: "________ cm", "&pound; ________", "________ (as hh:mm)".
QString AnswerLine(const Part& part)
{
    if (part.unit.isEmpty() && part.form.isEmpty())
        return QString();
    const QString line = QStringLiteral("<span class=\"ln\"></span>");
    QString html = part.unitBefore ? part.unit + QLatin1Char(' ') + line
                                   : line + (part.unit.isEmpty() ? QString() : QLatin1Char(' ') + part.unit);
    if (!part.form.isEmpty())
        html += QStringLiteral(" <span class=\"fm\">(%1)</span>").arg(part.form);
    return QStringLiteral("<div class=\"al\">%1</div>").arg(html);
}

QString Parts(const QList<Part>& parts)
{
    QString html = QStringLiteral("<table class=\"pt\">\n");
    int first = 0;
    for (const Part& part : parts) {
        const int count = int(part.subs.size());
        const QString prompt = part.prompt.isEmpty() && count > 1
                                   ? QStringLiteral("<i>Write one answer in each box.</i>")
                                   : part.prompt;
        html += QStringLiteral(
                    "<tr><td class=\"lt\">%1</td><td>%2%3</td><td class=\"pm\">[%4]</td></tr>\n")
                    .arg(SlotLetters(first, count), prompt,
                         (part.options.isEmpty() ? QString() : Options(part.options)) +
                             AnswerLine(part))
                    .arg(PartMarks(part));
        first += count;
    }
    return html + QStringLiteral("</table>\n");
}

QString Head(const QString& title, const QString& kind)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"us-ascii\">\n"
                          "<meta name=\"question-kind\" content=\"%1\">\n<title>%2</title>\n"
                          "<style>\n%3</style></head>\n<body><div class=\"q\">\n")
        .arg(kind.toHtmlEscaped(), title, QLatin1String(kStyle));
}

QString Heading(int number, const QString& label, int marks)
{
    return QStringLiteral(
               "<div class=\"hd\"><span class=\"no\">%1</span><span class=\"tp\">%2</span>"
               "<span class=\"mk\">%3 mark%4</span></div>\n")
        .arg(number)
        .arg(label.toHtmlEscaped())
        .arg(marks)
        .arg(marks == 1 ? QString() : QStringLiteral("s"));
}

/// The pictures the question's HTML does not show itself, in a row under its text.
QString Figures(const QList<Picture>& pictures, const QStringList& addresses)
{
    QString images;
    for (int i = 0; i < addresses.size(); ++i) {
        if (pictures.at(i).contentId.isEmpty())
            images += QStringLiteral("<img src=\"%1\" alt=\"%2\">")
                          .arg(addresses.at(i), pictures.at(i).alt.toHtmlEscaped());
    }
    return images.isEmpty() ? QString()
                            : QStringLiteral("<div class=\"fig\">%1</div>\n").arg(images);
}

/// The right answer of every part, lettered as on the answer sheet when there are several.
QString Answers(const Question& question)
{
    const bool lettered = question.parts.size() > 1 || question.slotCount() > 1;
    QString html = QStringLiteral("<div class=\"an\"><b>Answer</b>");
    int first = 0;
    for (const Part& part : question.parts) {
        const QString answer = part.answer + (part.unit.isEmpty() || part.answer.contains(part.unit)
                                                  ? QString()
                                                  : QLatin1Char(' ') + part.unit);
        html += lettered ? QStringLiteral("<div>%1 %2</div>")
                               .arg(SlotLetters(first, int(part.subs.size())), answer)
                         : QStringLiteral(": %1").arg(answer);
        first += int(part.subs.size());
    }
    return html + QStringLiteral("</div>\n");
}

} // namespace

QString SlotLetters(int first, int count)
{
    QStringList letters;
    for (int i = first; i < first + count; ++i)
        letters.append(QStringLiteral("(%1)").arg(QChar('a' + i)));
    return letters.join(QLatin1Char(' '));
}

QByteArray PageHtml(const Question& question, int number, const QStringList& pictureAddresses)
{
    QString html = Head(QStringLiteral("Question %1").arg(number), question.kind) +
                   Heading(number, question.topic, question.marks()) + question.stem +
                   QLatin1Char('\n') + Figures(question.pictures, pictureAddresses);
    const bool lettered = question.parts.size() > 1 || question.slotCount() > 1;
    if (lettered) {
        html += Parts(question.parts);
    } else if (!question.parts.isEmpty()) {
        const Part& part = question.parts.first();
        if (!part.prompt.isEmpty())
            html += QStringLiteral("<p>%1</p>\n").arg(part.prompt);
        if (!part.options.isEmpty())
            html += Options(part.options);
        html += AnswerLine(part);
    }
    if (!question.note.isEmpty())
        html += QStringLiteral("<div class=\"nt\">%1</div>\n").arg(question.note);
    html += QStringLiteral("</div></body></html>\n");
    return AsciiOnly(html).toLatin1();
}

QByteArray SolutionHtml(const Question& question, int number, const QStringList& pictureAddresses)
{
    QString html = Head(QStringLiteral("Question %1: worked solution").arg(number), question.kind) +
                   Heading(number, QStringLiteral("Worked solution"), question.marks()) +
                   QStringLiteral("<ol class=\"ws\">\n");
    for (const QString& step : question.working)
        html += QStringLiteral("<li>%1</li>\n").arg(step);
    html += QStringLiteral("</ol>\n") + Figures(question.workingPictures, pictureAddresses) +
            Answers(question) + QStringLiteral("</div></body></html>\n");
    return AsciiOnly(html).toLatin1();
}

} // namespace orlavine::pack
