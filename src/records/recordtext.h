#pragma once

#include <QByteArray>
#include <QString>

namespace orlavine {

/// Record files hold 8-bit Windows-1252 text. These convert between that and the
/// Unicode text of the widgets; nothing else in the program converts.

/// Decodes Windows-1252 bytes. The five bytes the code page leaves unassigned map to
/// the C1 controls of the same value, so every byte sequence round-trips.
QString DecodeRecordText(const QByteArray& bytes);

/// Encodes to Windows-1252. Returns false (and leaves `out` untouched) when a
/// character has no Windows-1252 byte.
bool EncodeRecordText(const QString& text, QByteArray& out);

/// True when `c` has a Windows-1252 byte and may stand in a record field:
/// not '>', CR or LF.
bool IsStorableChar(QChar c);

/// True when every character of `text` is storable (IsStorableChar).
bool IsStorableText(const QString& text);

/// True when `value` can be written as one field: no '>', CR or LF.
bool IsStorableField(const QByteArray& value);

} // namespace orlavine
