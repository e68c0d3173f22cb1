#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

namespace orlavine::pack {

/// One part of a MIME document, or the document itself when it has a single part.
struct MimePart {
    QMap<QByteArray, QByteArray> headers; // names in lower case, values trimmed
    QByteArray body;                      // as stored, still encoded

    QByteArray header(const QByteArray& name) const { return headers.value(name); }
    /// The media type of Content-Type in lower case ("text/html"); "text/plain" when absent.
    QByteArray mediaType() const;
    /// A parameter of Content-Type ("boundary"), without quotes.
    QByteArray typeParameter(const QByteArray& name) const;
    /// The Content-ID without angle brackets.
    QByteArray contentId() const;
};

/// A page as the viewer reads it: the document's own headers and its parts (one part,
/// the document itself, when it is not multipart).
struct MimeDocument {
    MimePart top;
    QList<MimePart> parts;
};

/// Splits a MIME document into its parts. Whatever makes it unreadable (no headers, no
/// boundary, a missing closing boundary) is added to `errors`; never throws.
MimeDocument ParseMime(const QByteArray& bytes, QStringList& errors);

/// The body of a part decoded by its Content-Transfer-Encoding. Adds to `errors` when
/// the encoding is unknown or the body is not validly encoded.
QByteArray DecodeBody(const MimePart& part, QStringList& errors);

/// Quoted-printable decoding; false when an "=" starts neither a soft line break nor
/// two hexadecimal digits.
bool DecodeQuotedPrintable(const QByteArray& text, QByteArray& out);

} // namespace orlavine::pack
