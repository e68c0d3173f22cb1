#pragma once

#include <QString>

namespace orlavine::pack {

/// The figures of a package folder: papers, questions, sub-answers by answer type,
/// marks and pages with pictures, per module and in all, as lines of text.
QString PackageStats(const QString& folder);

} // namespace orlavine::pack
