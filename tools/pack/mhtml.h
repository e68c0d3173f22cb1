#pragma once

#include <QByteArray>
#include <QList>

namespace orlavine::pack {

/// A picture part of a page: its type, its address (Content-Location) or content id,
/// and its bytes.
struct PicturePart {
    QByteArray contentType;
    QByteArray location;  // "http://..." or empty
    QByteArray contentId; // without angle brackets, or empty
    QByteArray bytes;
};

/// Quoted-printable text of ASCII bytes: "\n" line ends become CR LF, "=" and bytes
/// beyond ASCII are escaped, and long lines are broken with soft line breaks so that
/// no line passes 76 characters.
QByteArray QuotedPrintable(const QByteArray& text);

/// A question page: a single text/html part when there are no pictures, otherwise a
/// multipart/related document with the HTML first and then each picture (SVG
/// quoted-printable, any other type base64).
QByteArray MhtmlDocument(const QByteArray& html, const QByteArray& location,
                         const QList<PicturePart>& pictures, const QByteArray& boundary);

} // namespace orlavine::pack
