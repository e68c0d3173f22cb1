// Feeds arbitrary bytes to the record-file readers, as a file's bytes and as a line, all
// in memory. Input: one byte choosing the field counts, the keys up to the first NUL
// (comma-separated), then the file's bytes. Every reader must return or throw Error.
#include "records/error.h"
#include "records/recordfile.h"

#include <cstddef>
#include <cstdint>

using namespace orlavine;

namespace {

template <typename Read>
void Try(Read read)
{
    try {
        read();
    } catch (const Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int choice = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const qsizetype nul = rest.indexOf('\0');
    const Fields keys = nul < 0 ? Fields{QByteArrayLiteral("NME")} : rest.left(nul).split(',');
    const QByteArray file = nul < 0 ? rest : rest.mid(nul + 1);

    const RecordBytes record{file, QStringLiteral("record.txt")};
    const QByteArray& key = keys.first();
    Try([&] { ReadValue(record, key); });
    Try([&] { ReadLine(record, key); });
    Try([&] { ReadFields(record, key, choice % 11); });
    Try([&] { ReadFields50(record, key, choice % 51); });
    Try([&] { ReadAllFields(record, key); });
    Try([&] { ReadPaperLines(record, 1 + choice % 50); });
    Try([&] { CountFieldsForKeys(record, int(keys.size()), keys); });
    Try([&] { ReadFieldsForKeys(record, int(keys.size()), keys); });
    Try([&] { SplitLine(file, choice % 81); });
    Try([&] { SplitLine50(file, choice % 51); });
    return 0;
}
