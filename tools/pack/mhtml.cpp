#include "mhtml.h"

namespace orlavine::pack {

namespace {

constexpr int kLineLimit = 76;

QByteArray Escaped(unsigned char c)
{
    static const char* const hex = "0123456789ABCDEF";
    return QByteArray("=") + hex[c >> 4] + hex[c & 15];
}

QByteArray EncodeLine(const QByteArray& line)
{
    QByteArray out;
    int width = 0;
    for (int i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line.at(i));
        const bool last = i == line.size() - 1;
        // Spaces and tabs at a line end would be lost in transport: escape them there.
        const bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last);
        const QByteArray piece = plain ? QByteArray(1, char(c)) : Escaped(c);
        if (width + piece.size() > kLineLimit - 1) {
            out += "=\r\n";
            width = 0;
        }
        out += piece;
        width += int(piece.size());
    }
    return out;
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

} // namespace

QByteArray QuotedPrintable(const QByteArray& text)
{
    QByteArray out;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i == lines.size() - 1 && lines.at(i).isEmpty())
            break;
        out += EncodeLine(lines.at(i)) + "\r\n";
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
        doc += "--" + boundary + "\r\n" +
               Header(picture.contentType, "quoted-printable", picture.location, picture.contentId);
        doc += QuotedPrintable(picture.bytes);
    }
    return doc + "--" + boundary + "--\r\n";
}

} // namespace orlavine::pack
