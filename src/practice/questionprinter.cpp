#include "practice/questionprinter.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace orlavine {

namespace {

QString& FileFolder()
{
    static QString folder;
    return folder;
}

QString DefaultFolder()
{
    if (!FileFolder().isEmpty())
        return FileFolder();
    // The documents folder is offered only where it exists or can be made.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir().mkpath(documents) ? documents : QDir::homePath();
}

} // namespace

QuestionPrinter::QuestionPrinter(QWebEngineView* view, QWidget* dialogParent)
    : QObject(view), m_view(view), m_dialogParent(dialogParent)
{
    connect(view, &QWebEngineView::printFinished, this, [this](bool) { finished(); });
    connect(view->page(), &QWebEnginePage::pdfPrintingFinished, this,
            [this](const QString&, bool) { finished(); });
}

QuestionPrinter::~QuestionPrinter() = default;

void QuestionPrinter::SetFileFolder(const QString& folder)
{
    FileFolder() = folder;
}

void QuestionPrinter::print(const QString& title)
{
    if (m_printer || !m_view)
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(title);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir(DefaultFolder()).filePath(title + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(printer.get(), m_dialogParent);
    dialog.setWindowTitle(QStringLiteral("Print question"));
    if (dialog.exec() != QDialog::Accepted || !m_view)
        return;
    m_printer = std::move(printer);
    // A PDF file is written from the page itself (small, vector); a printer gets the
    // page as the viewer renders it.
    if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty())
        m_view->page()->printToPdf(m_printer->outputFileName(), m_printer->pageLayout());
    else
        m_view->print(m_printer.get());
}

void QuestionPrinter::releaseView()
{
    if (!busy() || !m_view)
        return;
    // The page engine reads the viewer and the printer until the job ends.
    m_released = true;
    m_view->hide();
    m_view->setParent(nullptr);
}

void QuestionPrinter::finished()
{
    m_printer.reset();
    if (m_released && m_view)
        m_view->deleteLater(); // and this printer with it
}

} // namespace orlavine
