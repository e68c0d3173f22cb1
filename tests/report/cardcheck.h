#pragma once

#include "report/resultscard.h"

#include <QStringList>

#include <functional>

class QPrintDialog;
class QPrinter;

/// Runs `action` on the print dialog once it is open (call it just before the dialog opens).
void WhenDialogOpens(const std::function<void(QPrintDialog*)>& action);

/// Sample results: module of ten topics ("Topic 1".."Topic 10"), a few papers marked.
orlavine::ModuleSettings TenTopics();
orlavine::MarksLists SampleMarks();

/// The text of each page of a PDF file as pdftotext lays it out, pages in order, each
/// page's lines right-trimmed with empty lines dropped. Empty when pdftotext fails.
QList<QStringList> PdfPages(const QString& pdf);

/// The pages `lines` should print as on `printer`: set on pages as CardPages does, lines
/// cut at its column count, right-trimmed, empty lines dropped.
QList<QStringList> ExpectedPages(const QList<orlavine::CardLine>& lines, QPrinter& printer);

/// Compares page by page and line by line; on a difference returns a description.
QString ComparePages(const QList<QStringList>& actual, const QList<QStringList>& expected);
