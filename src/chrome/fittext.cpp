#include "chrome/fittext.h"

#include <QFontMetrics>
#include <QDir>
#include <QLabel>

namespace orlavine {

void FitTextToWidth(QLabel* label, const QString& text)
{
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    const int room = label->contentsRect().width() - label->indent() - 2;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 7.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room));
    label->setStatusTip(text);
}

QString ShownFolder(const QString& folder)
{
    QString shown = QDir::toNativeSeparators(folder);
    shown.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B)); // zero-width space
    return shown;
}

} // namespace orlavine
