// Feeds arbitrary bytes to the page parser of the package checker: splitting a MIME
// document and decoding each part must report problems, never crash.
#include "mime.h"

#include <cstddef>
#include <cstdint>

using namespace orlavine::pack;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList errors;
    const MimeDocument doc = ParseMime(bytes, errors);
    for (const MimePart& part : doc.parts) {
        DecodeBody(part, errors);
        part.mediaType();
        part.typeParameter("boundary");
        part.contentId();
    }
    QByteArray decoded;
    DecodeQuotedPrintable(bytes, decoded);
    return 0;
}
