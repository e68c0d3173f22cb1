#pragma once

#include <QString>

#include <cstdint>

namespace orlavine::pack {

/// Writes the default package into `folder` (created when missing): settings, tables,
/// templates, question and worked-solution pages and the skin pictures copied from
/// `skinFolder`. Files of `folder` whose names begin with a digit (resources of an earlier
/// run) and that this run does not write are removed; nothing else there is touched. The same seed gives the same bytes. Throws
/// orlavine::Error when a file cannot be read or written, std::logic_error when a question
/// of the bank breaks the package's rules.
void GeneratePackage(const QString& folder, const QString& skinFolder, std::uint64_t seed);

/// The skin pictures of the source tree, as the build knows them.
QString DefaultSkinFolder();

} // namespace orlavine::pack
