#include "mime.h"

namespace orlavine::pack {

namespace {

/// Reads header lines from `at` up to the blank line; `at` ends after it. False when
/// the blank line is missing.
bool ReadHeaders(const QByteArray& bytes, qsizetype& at, QMap<QByteArray, QByteArray>& headers)
{
    QByteArray name;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(at, end - at);
        if (line.endsWith('\r'))
            line.chop(1);
        at = end + 1;
        if (line.isEmpty())
            return true;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            headers[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return false;
        name = line.left(colon).trimmed().toLower();
        headers[name] = line.mid(colon + 1).trimmed();
    }
    return false;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

/// The parts between the delimiter lines "--boundary"; false when the closing
/// delimiter "--boundary--" is missing.
bool SplitParts(const QByteArray& body, const QByteArray& boundary, QList<QByteArray>& pieces)
{
    const QByteArray delimiter = "--" + boundary;
    qsizetype at = 0;
    qsizetype partStart = -1;
    while (at < body.size()) {
        qsizetype end = body.indexOf('\n', at);
        const qsizetype next = end < 0 ? body.size() : end + 1;
        QByteArray line = body.mid(at, (end < 0 ? body.size() : end) - at);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(delimiter)) {
            const QByteArray rest = line.mid(delimiter.size()).trimmed();
            if (partStart >= 0)
                pieces.append(body.mid(partStart, at - partStart));
            if (rest == "--")
                return true;
            partStart = rest.isEmpty() ? next : -1;
        }
        at = next;
    }
    return false;
}

} // namespace

QByteArray MimePart::mediaType() const
{
    const QByteArray type = header("content-type");
    if (type.isEmpty())
        return "text/plain";
    return type.left(type.indexOf(';') < 0 ? type.size() : type.indexOf(';')).trimmed().toLower();
}

QByteArray MimePart::typeParameter(const QByteArray& name) const
{
    const QList<QByteArray> pieces = header("content-type").split(';');
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QByteArray piece = pieces.at(i).trimmed();
        const qsizetype eq = piece.indexOf('=');
        if (eq > 0 && piece.left(eq).trimmed().toLower() == name) {
            QByteArray value = piece.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return QByteArray();
}

QByteArray MimePart::contentId() const
{
    QByteArray id = header("content-id").trimmed();
    if (id.startsWith('<') && id.endsWith('>'))
        id = id.mid(1, id.size() - 2);
    return id;
}

MimeDocument ParseMime(const QByteArray& bytes, QStringList& errors)
{
    MimeDocument doc;
    qsizetype at = 0;
    if (!ReadHeaders(bytes, at, doc.top.headers)) {
        errors.append(
            QStringLiteral("not a MIME document: the headers do not end in a blank line"));
        return doc;
    }
    doc.top.body = bytes.mid(at);
    if (doc.top.header("content-type").isEmpty()) {
        errors.append(QStringLiteral("no Content-Type header"));
        return doc;
    }
    if (!doc.top.mediaType().startsWith("multipart/")) {
        doc.parts.append(doc.top);
        return doc;
    }
    const QByteArray boundary = doc.top.typeParameter("boundary");
    if (boundary.isEmpty()) {
        errors.append(QStringLiteral("multipart, but no boundary is named"));
        return doc;
    }
    QList<QByteArray> pieces;
    if (!SplitParts(doc.top.body, boundary, pieces))
        errors.append(QStringLiteral("the closing boundary \"--%1--\" is missing (cut short?)")
                          .arg(QString::fromLatin1(boundary)));
    for (int i = 0; i < pieces.size(); ++i) {
        MimePart part;
        qsizetype partAt = 0;
        if (!ReadHeaders(pieces.at(i), partAt, part.headers)) {
            errors.append(
                QStringLiteral("part %1: the headers do not end in a blank line").arg(i + 1));
            continue;
        }
        part.body = pieces.at(i).mid(partAt);
        doc.parts.append(part);
    }
    if (doc.parts.isEmpty() && errors.isEmpty())
        errors.append(QStringLiteral("multipart, but it has no parts"));
    return doc;
}

bool DecodeQuotedPrintable(const QByteArray& text, QByteArray& out)
{
    out.clear();
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        while (j < text.size() && (text.at(j) == ' ' || text.at(j) == '\t'))
            ++j;
        if (j < text.size() && (text.at(j) == '\r' || text.at(j) == '\n')) {
            i = (text.at(j) == '\r' && j + 1 < text.size() && text.at(j + 1) == '\n') ? j + 1 : j;
            continue;
        }
        if (j == text.size()) {
            i = j;
            continue;
        }
        if (i + 2 >= text.size() || HexValue(text.at(i + 1)) < 0 || HexValue(text.at(i + 2)) < 0)
            return false;
        out += char(HexValue(text.at(i + 1)) * 16 + HexValue(text.at(i + 2)));
        i += 2;
    }
    return true;
}

QByteArray DecodeBody(const MimePart& part, QStringList& errors)
{
    const QByteArray encoding = part.header("content-transfer-encoding").trimmed().toLower();
    if (encoding.isEmpty() || encoding == "7bit" || encoding == "8bit" || encoding == "binary")
        return part.body;
    if (encoding == "quoted-printable") {
        QByteArray out;
        if (!DecodeQuotedPrintable(part.body, out))
            errors.append(QStringLiteral("is not valid quoted-printable"));
        return out;
    }
    if (encoding == "base64") {
        // Line breaks between the characters are allowed; anything else is not.
        QByteArray compact = part.body;
        compact.replace('\r', QByteArray()).replace('\n', QByteArray());
        const auto result =
            QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
        if (!result)
            errors.append(QStringLiteral("is not valid base64"));
        return result ? *result : QByteArray();
    }
    errors.append(QStringLiteral("has the unknown transfer encoding \"%1\"")
                      .arg(QString::fromLatin1(encoding)));
    return QByteArray();
}

} // namespace orlavine::pack
