#pragma once

#include <QString>

namespace orlavine::pack {

/// The text with every character beyond ASCII written as a numeric character reference
/// ("&#176;"), as the pages are us-ascii documents.
QString AsciiOnly(const QString& text);

} // namespace orlavine::pack
