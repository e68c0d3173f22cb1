#include "records/recordtext.h"

#include <algorithm>
#include <array>

namespace orlavine {

namespace {

// Unicode of the bytes 0x80..0x9F; the unassigned ones keep their C1 value.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ByteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighTable.size()); ++i) {
        if (kHighTable[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString DecodeRecordText(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return text;
}

bool EncodeRecordText(const QString& text, QByteArray& out)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i) {
        const int b = ByteOf(text.at(i));
        if (b < 0)
            return false;
        bytes[i] = char(b);
    }
    out = bytes;
    return true;
}

bool IsStorableChar(QChar c)
{
    return c != QLatin1Char('>') && c != QLatin1Char('\r') && c != QLatin1Char('\n') &&
           ByteOf(c) >= 0;
}

bool IsStorableText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), IsStorableChar);
}

bool IsStorableField(const QByteArray& value)
{
    for (const char ch : value) {
        if (ch == '>' || ch == '\r' || ch == '\n')
            return false;
    }
    return true;
}

} // namespace orlavine
