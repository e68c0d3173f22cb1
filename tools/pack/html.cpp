#include "html.h"

#include <QList>

namespace orlavine::pack {

QString AsciiOnly(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const uint c : text.toUcs4()) {
        if (c < 128)
            out += QChar(c);
        else
            out += QStringLiteral("&#%1;").arg(uint(c));
    }
    return out;
}

} // namespace orlavine::pack
