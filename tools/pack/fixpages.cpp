#include "fixpages.h"

#include "records/fileio.h"

#include "mhtml.h"
#include "mime.h"

#include <QDir>

#include <algorithm>
#include <cctype>
#include <utility>

namespace orlavine::pack {

namespace {

using Move = std::pair<QByteArray, QByteArray>; // a part's old address, its new one

bool IsFileAddress(const QByteArray& location)
{
    return location.left(5).toLower() == "file:";
}

/// The address under kPageHost of a file: address, its path kept drive letter and all, so
/// that relative references between the parts resolve as before.
QByteArray NewAddress(const QByteArray& location)
{
    qsizetype start = 5;
    while (start < location.size() && (location.at(start) == '/' || location.at(start) == '\\'))
        ++start;
    return kPageHost + location.mid(start);
}

/// "content-transfer-encoding" as it is usually written: "Content-Transfer-Encoding".
QByteArray HeaderName(const QByteArray& lower)
{
    if (lower == "content-id")
        return "Content-ID";
    if (lower == "mime-version")
        return "MIME-Version";
    QByteArray name = lower;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i == 0 || name.at(i - 1) == '-')
            name[i] = char(std::toupper(static_cast<unsigned char>(name.at(i))));
    }
    return name;
}

QByteArray Headers(const MimePart& part)
{
    QByteArray out;
    for (auto it = part.headers.cbegin(); it != part.headers.cend(); ++it)
        out += HeaderName(it.key()) + ": " + it.value() + "\r\n";
    return out + "\r\n";
}

/// Rewrites a text part's (the HTML's, a style sheet's) references by a part's old full
/// address to its new one, encoding the body as it was; leaves the part alone when none
/// is there or it cannot be decoded.
void MoveReferences(MimePart& part, const QList<Move>& moves)
{
    QStringList errors;
    QByteArray text = DecodeBody(part, errors);
    if (!errors.isEmpty())
        return;
    bool any = false;
    for (const Move& move : moves) {
        if (text.contains(move.first)) {
            text.replace(move.first, move.second);
            any = true;
        }
    }
    if (!any)
        return;
    const QByteArray encoding = part.header("content-transfer-encoding").trimmed().toLower();
    if (encoding == "quoted-printable") {
        part.body = QuotedPrintable(text.replace("\r\n", "\n"));
    } else if (encoding == "base64") {
        const QByteArray base64 = text.toBase64();
        part.body.clear();
        for (qsizetype at = 0; at < base64.size(); at += 76)
            part.body += base64.mid(at, 76) + "\r\n";
    } else {
        part.body = text;
    }
}

} // namespace

QByteArray FixPageAddresses(const QByteArray& page, bool* changed)
{
    if (changed)
        *changed = false;
    QStringList errors;
    MimeDocument doc = ParseMime(page, errors);
    const QByteArray boundary = doc.top.typeParameter("boundary");
    if (!errors.isEmpty() || !doc.top.mediaType().startsWith("multipart/") || doc.parts.isEmpty())
        return page;
    QList<Move> moves;
    for (MimePart& part : doc.parts) {
        const QByteArray location = part.header("content-location");
        if (IsFileAddress(location)) {
            moves.append({location, NewAddress(location)});
            part.headers.insert("content-location", moves.last().second);
        }
    }
    if (moves.isEmpty())
        return page;
    // The longest first, so that no address is taken for the start of a longer one.
    std::sort(moves.begin(), moves.end(),
              [](const Move& a, const Move& b) { return a.first.size() > b.first.size(); });
    for (MimePart& part : doc.parts) {
        if (part.mediaType().startsWith("text/"))
            MoveReferences(part, moves);
    }

    QByteArray out = Headers(doc.top);
    for (const MimePart& part : std::as_const(doc.parts))
        out += "--" + boundary + "\r\n" + Headers(part) + part.body;
    out += "--" + boundary + "--\r\n";
    if (changed)
        *changed = true;
    return out;
}

int FixPackagePages(const QString& folder)
{
    const QDir dir(folder);
    int fixed = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*.mht")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        bool changed = false;
        const QByteArray page = FixPageAddresses(ReadWholeFile(path), &changed);
        if (changed) {
            WriteFileAtomically(path, page);
            ++fixed;
        }
    }
    return fixed;
}

} // namespace orlavine::pack
