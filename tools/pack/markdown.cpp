#include "markdown.h"

#include <QRegularExpression>

#include <cmark.h>

#include <cstdlib>
#include <memory>

namespace orlavine::pack {

namespace {

struct NodeFree {
    void operator()(cmark_node* node) const { cmark_node_free(node); }
};
using Document = std::unique_ptr<cmark_node, NodeFree>;

QString Html(cmark_node* node)
{
    char* html = cmark_render_html(node, CMARK_OPT_DEFAULT);
    const QString text = QString::fromUtf8(html);
    std::free(html);
    return text;
}

/// The line of a node: inlines may not carry one, their block does.
int LineOf(cmark_node* node)
{
    for (; node; node = cmark_node_parent(node)) {
        if (cmark_node_get_start_line(node) > 0)
            return cmark_node_get_start_line(node);
    }
    return 1;
}

/// Reports raw HTML and gives each picture its content id; returns the parsed text.
Document Parse(const QString& text, const TextPlace& place, const PictureFinder& find,
               QList<Picture>& pictures, QStringList& errors)
{
    const QByteArray utf8 = text.toUtf8();
    Document doc(cmark_parse_document(utf8.constData(), size_t(utf8.size()), CMARK_OPT_DEFAULT));
    cmark_iter* iter = cmark_iter_new(doc.get());
    for (cmark_event_type event; (event = cmark_iter_next(iter)) != CMARK_EVENT_DONE;) {
        cmark_node* node = cmark_iter_get_node(iter);
        if (event != CMARK_EVENT_ENTER)
            continue;
        const cmark_node_type type = cmark_node_get_type(node);
        if (type == CMARK_NODE_HTML_BLOCK || type == CMARK_NODE_HTML_INLINE) {
            errors.append(place.error(LineOf(node) - 1,
                                      QStringLiteral("raw HTML (%1): write Markdown instead")
                                          .arg(QString::fromUtf8(cmark_node_get_literal(node))
                                                   .trimmed()
                                                   .left(40))));
        } else if (type == CMARK_NODE_IMAGE) {
            const QString name = QString::fromUtf8(cmark_node_get_url(node));
            Picture picture;
            QString error;
            if (!find(name, picture, error)) {
                errors.append(place.error(LineOf(node) - 1, error));
                continue;
            }
            picture.contentId = "picture" + QByteArray::number(pictures.size() + 1) +
                                "@orlavine.example";
            cmark_node_set_url(node, ("cid:" + picture.contentId).constData());
            pictures.append(picture);
        }
    }
    cmark_iter_free(iter);
    return doc;
}

bool IsTableRow(const QString& line)
{
    return line.contains(QLatin1Char('|'));
}

bool IsTableRule(const QString& line)
{
    static const QRegularExpression rule(
        QStringLiteral("^\\s*\\|?\\s*:?-+:?\\s*(\\|\\s*:?-+:?\\s*)*\\|?\\s*$"));
    return rule.match(line).hasMatch() && line.contains(QLatin1Char('-'));
}

QStringList Cells(QString row)
{
    row = row.trimmed();
    if (row.startsWith(QLatin1Char('|')))
        row.remove(0, 1);
    if (row.endsWith(QLatin1Char('|')))
        row.chop(1);
    QStringList cells = row.split(QLatin1Char('|'));
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
}

/// A table of the "|" kind: a header row, a rule of dashes, rows; each cell inline Markdown.
QString Table(const QStringList& lines, const TextPlace& place, const PictureFinder& find,
              QList<Picture>& pictures, QStringList& errors)
{
    QString html = QStringLiteral("<table class=\"dt\">\n");
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 1)
            continue;
        const char* tag = i == 0 ? "th" : "td";
        html += QStringLiteral("<tr>");
        const TextPlace at{place.file, place.line + i};
        for (const QString& cell : Cells(lines.at(i)))
            html += QStringLiteral("<%1>%2</%1>")
                        .arg(QLatin1String(tag),
                             RenderInlineMarkdown(cell, at, find, pictures, errors));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QStringList Blocks(const QString& text, const TextPlace& place, const PictureFinder& find,
                   QList<Picture>& pictures, QStringList& errors)
{
    QStringList blocks;
    Document doc = Parse(text, place, find, pictures, errors);
    for (cmark_node* node = cmark_node_first_child(doc.get()); node; node = cmark_node_next(node))
        blocks.append(Html(node));
    return blocks;
}

} // namespace

QString TextPlace::error(int offset, const QString& message) const
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line + offset).arg(message);
}

QStringList RenderMarkdown(const QString& text, const TextPlace& place, const PictureFinder& find,
                           QList<Picture>& pictures, QStringList& errors)
{
    // Tables are cut out of the text and the Markdown between them rendered on its own.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList blocks;
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const bool previousBlank = i == 0 || lines.at(i - 1).trimmed().isEmpty();
        if (!previousBlank || !IsTableRow(lines.at(i)) || i + 1 >= lines.size() ||
            !IsTableRule(lines.at(i + 1)))
            continue;
        int end = i + 2;
        while (end < lines.size() && IsTableRow(lines.at(end)) && !lines.at(end).trimmed().isEmpty())
            ++end;
        blocks += Blocks(lines.mid(start, i - start).join(QLatin1Char('\n')),
                         TextPlace{place.file, place.line + start}, find, pictures, errors);
        blocks.append(Table(lines.mid(i, end - i), TextPlace{place.file, place.line + i}, find,
                            pictures, errors));
        start = end;
        i = end - 1;
    }
    blocks += Blocks(lines.mid(start).join(QLatin1Char('\n')),
                     TextPlace{place.file, place.line + start}, find, pictures, errors);
    return blocks;
}

QString RenderInlineMarkdown(const QString& text, const TextPlace& place,
                             const PictureFinder& find, QList<Picture>& pictures,
                             QStringList& errors)
{
    QString html = Blocks(text, place, find, pictures, errors).join(QString()).trimmed();
    if (html.startsWith(QLatin1String("<p>")) && html.endsWith(QLatin1String("</p>")) &&
        html.count(QLatin1String("<p>")) == 1)
        html = html.mid(3, html.size() - 7);
    return html;
}

} // namespace orlavine::pack
