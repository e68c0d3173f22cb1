// The results card on a real print queue: a CUPS printer that writes PDF files. ./test
// starts that queue (tools/test-printer.sh) and names its printer in ORLAVINE_TEST_PRINTER.
#include "cardcheck.h"
#include "mainwin/cardpainter.h"
#include "mainwin/cardprinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace orlavine;

namespace {

QSet<QString> PdfFiles(const QString& folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

/// Prompts that must stay silent: printing to a printer asks and tells nothing.
PupilPrompts SilentPrompts(QStringList& shown)
{
    return {[&shown](const QString&, const QString& message) {
                shown.append(message);
                return false;
            },
            [&shown](const QString&, const QString& message) { shown.append(message); }};
}

} // namespace

class TestCardPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cardReachesThePrinter();
    void setupChoiceStaysUntilAnotherIsMade();

private:
    QString m_printer;
    QString m_output;
};

void TestCardPrinting::initTestCase()
{
    m_printer = qEnvironmentVariable("ORLAVINE_TEST_PRINTER");
    const bool required = !m_printer.isEmpty();
    if (!required)
        m_printer = QStringLiteral("PDF");
    QString missing;
    if (QPrinterInfo::defaultPrinterName() != m_printer)
        missing = QStringLiteral("the default printer is not %1").arg(m_printer);
    else if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        missing = QStringLiteral("pdftotext (poppler-utils) is not installed");
    if (!missing.isEmpty()) {
        if (required)
            QFAIL(qPrintable(missing));
        QSKIP(qPrintable(missing +
                         QStringLiteral(": ./test starts a print queue with a PDF printer")));
    }
    m_output =
        qEnvironmentVariable("ORLAVINE_TEST_PDF_DIR", QDir::homePath() + QStringLiteral("/PDF"));
}

void TestCardPrinting::cardReachesThePrinter()
{
    const QSet<QString> before = PdfFiles(m_output);
    QStringList shown;
    CardPrinter printer(nullptr, SilentPrompts(shown));
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join('\n')));

    // The queue writes the PDF file a few seconds later; read it once it is whole.
    QString file;
    QList<QStringList> pages;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QSet<QString> added = PdfFiles(m_output) - before;
            if (added.size() != 1)
                return false;
            file = QDir(m_output).filePath(*added.begin());
            pages = PdfPages(file);
            return !pages.isEmpty();
        }(),
        60000);
    QPrinter reference(QPrinterInfo::printerInfo(m_printer), QPrinter::HighResolution);
    QCOMPARE(CardLayoutFor(reference).columns, kCardFitColumns); // the zones fit across
    const QList<CardLine> lines = ResultsCardLines("Test Practice", TenTopics(), SampleMarks());
    const QString difference = ComparePages(pages, ExpectedPages(lines, reference));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(pages.size() >= 2);
    QFile::remove(file);
}

void TestCardPrinting::setupChoiceStaysUntilAnotherIsMade()
{
    QStringList shown;
    CardPrinter printer(nullptr, SilentPrompts(shown));
    QVERIFY(!printer.chosenPrinter());
    WhenDialogOpens([](QPrintDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Printer Setup"));
        dialog->accept();
    });
    printer.PrintSetup();
    QVERIFY(printer.chosenPrinter());
    QCOMPARE(printer.chosenPrinter()->printerName(), m_printer);
    QCOMPARE(printer.chosenPrinter()->outputFormat(), QPrinter::NativeFormat);

    // Another choice made in the dialog, then cancelled: the printer stays.
    WhenDialogOpens([](QPrintDialog* dialog) {
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        QVERIFY(printers);
        printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
        dialog->reject();
    });
    printer.PrintSetup();
    QCOMPARE(printer.chosenPrinter()->printerName(), m_printer);
    QCOMPARE(printer.chosenPrinter()->outputFormat(), QPrinter::NativeFormat);
}

QTEST_MAIN(TestCardPrinting)
#include "tst_cardprinting.moc"
