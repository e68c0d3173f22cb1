#include "mainwin/cardprinter.h"

#include "mainwin/cardpainter.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace orlavine {

namespace {

const QString kTitle = QStringLiteral("Results Card");
const QString kDocumentName = QStringLiteral("Results card");

QString SuggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Results card.pdf"));
}

QString AskForPdfPath(QWidget* window, const QString& suggested)
{
    QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Save Results Card"),
                                                suggested, QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    return path;
}

/// The system's default printer (or the first one when none is the default), at the
/// printer's own resolution: at screen resolution text widths are rounded too coarsely
/// for the zones to line up.
std::unique_ptr<QPrinter> DefaultPrinter()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        info = QPrinterInfo::availablePrinters().value(0);
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

CardPrinter::CardPrinter(QWidget* window, PupilPrompts prompts)
    : m_window(window), m_prompts(std::move(prompts)),
      m_chooseFile([window](const QString& suggested) { return AskForPdfPath(window, suggested); })
{
    const PupilPrompts boxes = MessageBoxPrompts(window);
    if (!m_prompts.askYesNo)
        m_prompts.askYesNo = boxes.askYesNo;
    if (!m_prompts.tell)
        m_prompts.tell = boxes.tell;
}

CardPrinter::~CardPrinter() = default;

void CardPrinter::setSaveFileChooser(std::function<QString(const QString&)> chooser)
{
    m_chooseFile = std::move(chooser);
}

void CardPrinter::PrintResultsCard(const QByteArray& caption, const ModuleSettings& module,
                                   const MarksLists& marks)
{
    const QList<CardLine> lines = ResultsCardLines(caption, module, marks);
    if (!m_chosen && QPrinterInfo::availablePrinterNames().isEmpty()) {
        offerPdf(lines);
        return;
    }
    std::unique_ptr<QPrinter> fallback;
    QPrinter* printer = m_chosen.get();
    if (!printer) {
        fallback = DefaultPrinter();
        printer = fallback.get();
    }
    printer->setDocName(kDocumentName);
    if (!PaintResultsCard(*printer, lines)) {
        const QString where = printer->outputFormat() == QPrinter::PdfFormat
                                  ? QDir::toNativeSeparators(printer->outputFileName())
                                  : printer->printerName();
        m_prompts.tell(kTitle,
                       QStringLiteral("The results card could not be printed on %1.").arg(where));
    }
}

void CardPrinter::offerPdf(const QList<CardLine>& lines)
{
    const QString offer =
        QStringLiteral("No printer is installed. Save the results card as a PDF file instead?");
    if (!m_prompts.askYesNo(kTitle, offer))
        return;
    const QString path = m_chooseFile(SuggestedPdfPath());
    if (path.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(kDocumentName);
    const QString shown = QDir::toNativeSeparators(path);
    if (PaintResultsCard(printer, lines))
        m_prompts.tell(kTitle, QStringLiteral("The results card has been saved as %1.").arg(shown));
    else
        m_prompts.tell(kTitle,
                       QStringLiteral("The results card could not be saved as %1.").arg(shown));
}

std::unique_ptr<QPrinter> CardPrinter::setupCandidate() const
{
    // The dialog edits a fresh printer, so a cancelled dialog leaves the current one whole.
    std::unique_ptr<QPrinter> candidate = DefaultPrinter();
    if (m_chosen) {
        candidate->setPrinterName(m_chosen->printerName());
        candidate->setOutputFormat(m_chosen->outputFormat());
        candidate->setOutputFileName(m_chosen->outputFileName());
        candidate->setPageLayout(m_chosen->pageLayout());
        candidate->setColorMode(m_chosen->colorMode());
        candidate->setDuplex(m_chosen->duplex());
    }
    return candidate;
}

void CardPrinter::PrintSetup()
{
    std::unique_ptr<QPrinter> candidate = setupCandidate();
    QPrintDialog dialog(candidate.get(), m_window);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses the printer for later cards; it prints nothing itself.
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    if (dialog.exec() == QDialog::Accepted)
        m_chosen = std::move(candidate);
}

} // namespace orlavine
