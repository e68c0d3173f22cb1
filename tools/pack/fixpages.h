#pragma once

#include <QByteArray>
#include <QString>

namespace orlavine::pack {

/// The host the re-addressed parts of a page are located under: reserved, so it can never
/// name a real server.
inline constexpr char kPageHost[] = "http://page.invalid/";

/// A page saved by a word processor or a browser as a single-file web page (.mht), its
/// parts located at file:///C:/.../name_files/image001.png, re-addressed so that the page
/// viewer shows every picture: each part located by a file: address (the HTML part too)
/// is moved under kPageHost keeping its path, so that the HTML's relative references
/// resolve to the same parts, and the HTML's references by the full file: address of a
/// part are rewritten to its new address. Every part's bytes stay as they are; the HTML is
/// encoded again only when one of its references changed.
///
/// A page that is not MIME, not multipart, or has nothing located at a file: address
/// comes back unchanged, with `changed` (when given) false. Never throws.
QByteArray FixPageAddresses(const QByteArray& page, bool* changed = nullptr);

/// Fixes every .mht file of the package folder `folder` in place by FixPageAddresses and
/// returns how many changed. Each is written to a temporary file renamed over the page, so
/// a failure never leaves a page half written. Throws Error when a page cannot be read or
/// written.
int FixPackagePages(const QString& folder);

} // namespace orlavine::pack
