#pragma once

#include "question.h"

#include <QByteArray>

namespace orlavine::pack {

/// The HTML of a question's page: number, topic and marks, the text, the pictures (at
/// the addresses given), numbered options and lettered parts in the order of the
/// answer sheet. Only ASCII characters; the style sheet is inside the page.
QByteArray PageHtml(const Question& question, int number, const QStringList& pictureAddresses);

/// The HTML of a question's worked solution: its steps, the working's pictures (at the
/// addresses given) and the right answer of every part.
QByteArray SolutionHtml(const Question& question, int number, const QStringList& pictureAddresses);

/// The letters of the answer sheet's slots first to first + count - 1, "(a)" style.
QString SlotLetters(int first, int count);

} // namespace orlavine::pack
