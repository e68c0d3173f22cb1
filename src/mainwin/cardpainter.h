#pragma once

#include "report/resultscard.h"

#include <QFont>

class QPrinter;

namespace orlavine {

/// The card's width in columns: its eight print zones. What lies further right, such as
/// the end of the 128-character rule, is cut where the last zone ends.
constexpr int kCardFitColumns = 8 * kZoneWidth;

/// Columns across the printable width: the card and, on its right, a margin as wide as
/// the empty first zone leaves on its left. The font shrinks (from 10 points) until
/// they fit.
constexpr int kCardPageColumns = kCardFitColumns + kZoneWidth;

/// How the card's text fills a printer's page, in the printer's device pixels.
struct CardPageLayout {
    QFont font;             // fixed pitch, so the zones line up as on screen
    double columnWidth = 0; // the font's average character width: one zone column
    double lineHeight = 0;
    int columns = 0; // character columns the card takes: its zones, within the printable width
    int linesPerPage = 0;
};

/// The layout of the card on `printer`'s current page size, orientation and resolution.
CardPageLayout CardLayoutFor(QPrinter& printer);

/// Prints the lines top to bottom, each item at its zone's column, on pages as CardPages
/// sets them, and ends the print document. Returns false when the printer could
/// not be started (nothing was printed).
bool PaintResultsCard(QPrinter& printer, const QList<CardLine>& lines);

} // namespace orlavine
