#include "mhtml.h"

namespace orlavine::pack {

namespace {

constexpr int kLineLimit = 76;

/// Appends `line` (without its line end) to `out`, quoted-printable, in lines of at most
/// 76 characters.
void EncodeLine(QByteArrayView line, QByteArray& out)
{
    static const char* const hex = "0123456789ABCDEF";
    int width = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line.at(i));
        const bool last = i == line.size() - 1;
        // Spaces and tabs at a line end would be lost in transport: escape them there.
        const bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last);
        const int size = plain ? 1 : 3;
        if (width + size > kLineLimit - 1) {
            out += "=\r\n";
            width = 0;
        }
        if (plain) {
            out += char(c);
        } else {
            out += '=';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
        width += size;
    }
}

QByteArray Header(const QByteArray& type, const QByteArray& encoding, const QByteArray& location,
                  const QByteArray& contentId)
{
    QByteArray header =
        "Content-Type: " + type + "\r\nContent-Transfer-Encoding: " + encoding + "\r\n";
    if (!location.isEmpty())
        header += "Content-Location: " + location + "\r\n";
    if (!contentId.isEmpty())
        header += "Content-ID: <" + contentId + ">\r\n";
    return header + "\r\n";
}

/// Base64 in lines of 76 characters, each ended by CR LF.
QByteArray Base64Lines(const QByteArray& bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / 38 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += kLineLimit)
        out += encoded.mid(i, kLineLimit) + "\r\n";
    return out;
}

} // namespace

QByteArray QuotedPrintable(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 8 + 16);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        EncodeLine(QByteArrayView(text).sliced(start, end - start), out);
        out += "\r\n";
        start = end + 1;
    }
    return out;
}

QByteArray MhtmlDocument(const QByteArray& html, const QByteArray& location,
                         const QList<PicturePart>& pictures, const QByteArray& boundary)
{
    const QByteArray htmlType = "text/html; charset=\"us-ascii\"";
    QByteArray doc = "MIME-Version: 1.0\r\n";
    if (pictures.isEmpty())
        return doc + Header(htmlType, "quoted-printable", location, QByteArray()) +
               QuotedPrintable(html);
    doc += "Content-Type: multipart/related; boundary=\"" + boundary +
           "\"; type=\"text/html\"\r\n\r\n";
    doc += "--" + boundary + "\r\n" + Header(htmlType, "quoted-printable", location, QByteArray()) +
           QuotedPrintable(html);
    for (const PicturePart& picture : pictures) {
        // SVG is text; the bytes of any other picture are kept whole only by base64.
        const bool text = picture.contentType == "image/svg+xml";
        doc += "--" + boundary + "\r\n" +
               Header(picture.contentType, text ? "quoted-printable" : "base64", picture.location,
                      picture.contentId);
        doc += text ? QuotedPrintable(picture.bytes) : Base64Lines(picture.bytes);
    }
    return doc + "--" + boundary + "--\r\n";
}

} // namespace orlavine::pack
