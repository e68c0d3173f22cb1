#pragma once

#include "prng.h"
#include "question.h"

namespace orlavine::pack {

/// Makes one question of a kind. Every kind computes its keys from the values it puts
/// in the text.
using Generator = Question (*)(Prng&);

/// Four options and the index of the right one, as UniqueChoice makes them.
struct Choice {
    QStringList options;
    int right = 0;
};

/// An option of a choice built from a model: its text and whether it fits the question.
struct Option {
    QString text;
    bool fits = false;
};
/// Four options of which exactly one fits, shuffled; throws std::logic_error when not
/// exactly one of them fits or two read the same, so that no question has two right
/// options or none.
Choice UniqueChoice(Prng& rng, QList<Option> options);

/// A question of one or more parts.
Question Make(const QString& stem, const QList<Part>& parts, const QString& note = QString());
/// A question that is a single choice.
Question ChoiceQuestion(const QString& stem, const Choice& choice);

/// The paragraph of a question's text.
QString Para(const QString& text);
/// A sum or number set large on its own line.
QString Display(const QString& text);
/// A small table of data: a header row and rows of cells.
QString DataTable(const QStringList& header, const QList<QStringList>& rows);

/// A whole number as a page writes it, a negative one with a true minus sign.
QString Signed(long long value);
/// Numbers written by Signed, joined by `separator`.
QString ListText(const QList<int>& values, const QString& separator = QStringLiteral(", "));
/// The noun after "a", or "an" before a vowel; "A"/"An" when `capital`.
QString WithArticle(const QString& noun, bool capital = false);

/// A pupil's name, an object to count, a colour.
QString Name(Prng& rng);
QString Thing(Prng& rng);

// The notes that tell how an answer is written.
extern const char* const kNoteFraction; // fractions and ratios in their simplest form
extern const char* const kNoteAnyFraction; // a fraction, in any equivalent form
extern const char* const kNoteMixed;    // mixed numbers
extern const char* const kNoteGroup;    // a group answered in any order

} // namespace orlavine::pack
