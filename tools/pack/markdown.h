#pragma once

#include "question.h"

#include <QStringList>

#include <functional>

namespace orlavine::pack {

/// Finds the picture file `name` a text shows: fills `picture` (bytes and MIME type) and
/// returns true, or returns false with `error` saying why it cannot be shown.
using PictureFinder =
    std::function<bool(const QString& name, Picture& picture, QString& error)>;

/// Where a text starts: its file as the settings name it, and the line of its first line.
struct TextPlace {
    QString file;
    int line = 1;

    /// "file:line: message" for a problem at `offset` lines below the start.
    QString error(int offset, const QString& message) const;
};

/// Renders Markdown (CommonMark, and tables of the "|" kind) to HTML, one entry per
/// top-level block. Raw HTML is an error; each picture is looked up with `find`, appended
/// to `pictures` with a content id of its own, and its src rewritten to that "cid:"
/// address, its description kept as the alt text. Problems are added to `errors`.
QStringList RenderMarkdown(const QString& text, const TextPlace& place, const PictureFinder& find,
                           QList<Picture>& pictures, QStringList& errors);

/// The same for a text of one paragraph shown inline (an option), without the paragraph.
QString RenderInlineMarkdown(const QString& text, const TextPlace& place,
                             const PictureFinder& find, QList<Picture>& pictures,
                             QStringList& errors);

} // namespace orlavine::pack
