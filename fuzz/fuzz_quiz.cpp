// Feeds arbitrary bytes to the quiz importers, GIFT when the first byte is even and
// Aiken when it is odd: a quiz either imports, with what it leaves out noted, or fails
// with an error at its line; the source text of what it imported is written in memory.
#include "import.h"
#include "records/error.h"
#include "sourcewriter.h"

#include <cstddef>
#include <cstdint>

using namespace orlavine::pack;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        const ImportedQuiz quiz = data[0] % 2 == 0 ? ImportGift(bytes, QStringLiteral("q.gift"))
                                                   : ImportAiken(bytes, QStringLiteral("q.txt"));
        QStringList warnings;
        SourceFiles(quiz, warnings);
    } catch (const orlavine::Error&) {
    }
    return 0;
}
