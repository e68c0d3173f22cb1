#pragma once

#include "records/recordfile.h"

namespace orlavine {

// Checking sub-answers against the package's keys. Results are the stored marks:
// kRightMark (byte 0xFC), kWrongMark (0xFB), or empty for an unknown answer type.
// Lists are a paper's parallel per-sub-answer lists; indexes are 0-based. The checks
// are pure functions and never change their inputs.

/// Checks one sub-answer of type N, Q, T, L, R, F or X.
QByteArray CheckAnswer(const QByteArray& answer, const QByteArray& key, const QByteArray& type);

/// Checks sub-answer i of type M or G: against the alternatives of its key, or, for a
/// follow-on slot of a group (key a single space), against the alternatives of the group
/// head that the earlier slots of the group have not already given.
QByteArray CheckAlternatives(const Fields& answers, const Fields& keys, const Fields& types, int i);

/// The expected answer to show beside group slot i after marking; empty when there is
/// none to show.
QByteArray ExpectedGroupAnswer(const Fields& answers, const Fields& keys, const Fields& types, int i);

/// The alternatives of a key: the pieces after each ";" of a key that begins with ";";
/// otherwise all its ";"-separated pieces, trimmed of spaces.
Fields Alternatives(const QByteArray& key);

/// Checks sub-answer i with the rule its type calls for.
QByteArray CheckSubAnswer(const Fields& answers, const Fields& keys, const Fields& types, int i);

} // namespace orlavine
