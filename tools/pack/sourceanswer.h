#pragma once

#include "question.h"

namespace orlavine::pack {

/// The part an answer line "Answer (attributes): key" asks for, with `prompt` (HTML): its
/// answer type from the attributes or, without one, from the key. Returns false with
/// `error` set for an unknown attribute, two answer types, or a key its type can never
/// match or the record files cannot keep.
bool AnswerPart(const QString& attributes, const QString& key, const QString& prompt, Part& part,
                QString& error);

/// A choice among `options` (HTML) of which those `right` are marked right: two to four
/// options, exactly one right. Returns false with `error` set otherwise.
bool ChoiceOptionsPart(const QStringList& options, const QList<bool>& right,
                       const QString& prompt, Part& part, QString& error);

} // namespace orlavine::pack
