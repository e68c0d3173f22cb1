// Registers the content package linked into this executable as the resource root
// ":/package". The package bytes are a Qt binary resource placed by the assembler.
#include <QResource>

extern "C" const unsigned char orlavine_package_rcc[];

namespace {
[[maybe_unused]] const bool registered = QResource::registerResource(orlavine_package_rcc, QStringLiteral("/package"));
}
