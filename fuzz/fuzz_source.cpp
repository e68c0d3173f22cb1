// Feeds arbitrary bytes to the package source's readers: a settings file and a paper
// file (Markdown, answer lines, options, pictures) must report problems, never crash.
#include "source.h"

#include <cstddef>
#include <cstdint>

using namespace orlavine::pack;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const MemoryFiles files = [] {
        MemoryFiles source;
        source.files.insert(QStringLiteral("pictures/dot.png"), "\x89PNG\r\n\x1a\n");
        source.files.insert(QStringLiteral("box.svg"), "<svg/>");
        source.files.insert(QStringLiteral("page.mht"), "MIME-Version: 1.0\r\n\r\n<p>page</p>");
        return source;
    }();
    QStringList errors;
    ReadSettings(bytes, errors);
    ReadPaper(bytes, QStringLiteral("paper.txt"), files, errors);
    return 0;
}
