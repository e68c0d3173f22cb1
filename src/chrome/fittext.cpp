#include "chrome/fittext.h"

#include <QFontMetrics>
#include <QDir>
#include <QLabel>
#include <QTextLayout>

namespace orlavine {

namespace {

struct NameLines {
    QStringList lines;
    bool elided = false;
};

NameLines WrapName(const QString& name, const QFont& font, int width, int maxLines)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(name) <= width)
        return {{name}, false};
    QTextLayout layout(name, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    NameLines shown;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString text = name.mid(line.textStart(), line.textLength()).trimmed();
        // The last line takes the rest, as does a line holding one word too long for it.
        if (shown.lines.size() == maxLines - 1 || metrics.horizontalAdvance(text) > width) {
            const QString rest = name.mid(line.textStart()).trimmed();
            shown.lines << metrics.elidedText(rest, Qt::ElideRight, width);
            shown.elided = shown.lines.last() != rest;
            break;
        }
        shown.lines << text;
    }
    layout.endLayout();
    return shown;
}

} // namespace

int ShowName(QLabel* label, const QString& name, int maxLines, const QString& hint)
{
    const int width =
        label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
    const NameLines shown = WrapName(name, label->font(), width, maxLines);
    label->setTextFormat(Qt::PlainText);
    label->setText(shown.lines.join(QLatin1Char('\n')));
    if (!shown.elided)
        label->setToolTip(hint);
    else
        label->setToolTip(hint.isEmpty() ? name : name + QLatin1Char('\n') + hint);
    return shown.lines.size();
}

QString ShownFolder(const QString& folder)
{
    QString shown = QDir::toNativeSeparators(folder);
    shown.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B)); // zero-width space
    return shown;
}

} // namespace orlavine
