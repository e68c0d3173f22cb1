// The results card where no printer is installed (the print queue is out of reach):
// the offer to save it as PDF, and a PDF file chosen in the set-up dialog.
#include "cardcheck.h"
#include "mainwin/cardpainter.h"
#include "mainwin/cardprinter.h"
#include "chrome/popupbox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace orlavine;

namespace {

/// Prompts that answer as told and remember what they were shown.
struct StandInPrompts {
    bool answer = true;
    QStringList asked;
    QStringList told;

    PupilPrompts prompts()
    {
        return {[this](const QString&, const QString& message) {
                    asked.append(message);
                    return answer;
                },
                [this](const QString&, const QString& message) { told.append(message); }};
    }
};

} // namespace

class TestCardNoPrinter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void offersPdfAndSavesTheCard();
    void declinedOfferWritesNothing();
    void cancelledFileChoiceWritesNothing();
    void unwritableFileIsReported();
    void offerMadeInThePopUpBox();
    void setupChoiceOfPdfFileServesLaterCards();
    void cancelledSetupKeepsDefault();

private:
    QTemporaryDir m_dir;
};

void TestCardNoPrinter::initTestCase()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QFAIL("printers are listed although the print queue is set out of reach");
}

void TestCardNoPrinter::offersPdfAndSavesTheCard()
{
    StandInPrompts stand;
    CardPrinter printer(nullptr, stand.prompts());
    QString suggested;
    const QString path = m_dir.filePath("card.pdf");
    printer.setSaveFileChooser([&](const QString& s) {
        suggested = s;
        return path;
    });
    const QList<CardLine> lines = ResultsCardLines("Test Practice", TenTopics(), SampleMarks());
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());

    QCOMPARE(stand.asked.size(), 1);
    QVERIFY(stand.asked.first().startsWith("No printer is installed"));
    QVERIFY(suggested.endsWith("Results card.pdf"));
    QCOMPARE(stand.told, QStringList{"The results card has been saved as " + path + "."});
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    const QList<QStringList> pages = PdfPages(path);
    if (pages.isEmpty())
        QSKIP("pdftotext is not installed (poppler-utils)");
    const QString difference = ComparePages(pages, ExpectedPages(lines, reference));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(pages.size() >= 2);
    // Nothing runs past the last zone: the rule ends with the "Second take" column.
    for (const QString& line : pages.first())
        QVERIFY2(line.size() <= kCardFitColumns - kZoneWidth, qPrintable(line));
}

void TestCardNoPrinter::declinedOfferWritesNothing()
{
    StandInPrompts stand;
    stand.answer = false;
    CardPrinter printer(nullptr, stand.prompts());
    bool chooserCalled = false;
    printer.setSaveFileChooser([&](const QString&) {
        chooserCalled = true;
        return m_dir.filePath("declined.pdf");
    });
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    QCOMPARE(stand.asked.size(), 1);
    QVERIFY(!chooserCalled);
    QVERIFY(stand.told.isEmpty());
}

void TestCardNoPrinter::cancelledFileChoiceWritesNothing()
{
    StandInPrompts stand;
    CardPrinter printer(nullptr, stand.prompts());
    printer.setSaveFileChooser([](const QString&) { return QString(); });
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    QVERIFY(stand.told.isEmpty());
}

void TestCardNoPrinter::unwritableFileIsReported()
{
    StandInPrompts stand;
    CardPrinter printer(nullptr, stand.prompts());
    const QString path = m_dir.filePath("missing folder/card.pdf");
    printer.setSaveFileChooser([&](const QString&) { return path; });
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    QCOMPARE(stand.told, QStringList{"The results card could not be saved as " + path + "."});
}

void TestCardNoPrinter::offerMadeInThePopUpBox()
{
    QStringList boxes;
    SetPopUpAnswerer([&](PopUpBox& box) {
        boxes << box.windowTitle() + ": " + box.findChild<QLabel*>("lblMessage")->text() + " / " +
                     QString::number(box.buttonCount());
        return 1; // Yes, then OK
    });
    CardPrinter printer(nullptr, PopUpPrompts(nullptr));
    const QString path = m_dir.filePath("popup.pdf");
    printer.setSaveFileChooser([&](const QString&) { return path; });
    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    SetPopUpAnswerer(nullptr);
    const QString offer = "No printer is installed. Save the results card as a PDF file instead?";
    const QString saved = "The results card has been saved as " + path + ".";
    QCOMPARE(boxes, (QStringList{"Results Card: " + offer + " / 2", "Results Card: " + saved + " / 1"}));
    QVERIFY(QFileInfo(path).size() > 0);
}

void TestCardNoPrinter::setupChoiceOfPdfFileServesLaterCards()
{
    StandInPrompts stand;
    CardPrinter printer(nullptr, stand.prompts());
    const QString path = m_dir.filePath("chosen.pdf");
    WhenDialogOpens([&](QPrintDialog* dialog) {
        auto* file = dialog->findChild<QLineEdit*>("filename");
        QVERIFY(file);
        file->setText(path);
        dialog->accept();
    });
    printer.PrintSetup();
    QVERIFY(printer.chosenPrinter());
    QCOMPARE(printer.chosenPrinter()->outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.chosenPrinter()->outputFileName(), path);

    printer.PrintResultsCard("Test Practice", TenTopics(), SampleMarks());
    QVERIFY(stand.asked.isEmpty()); // the chosen file is the printer: no offer
    QVERIFY(QFileInfo(path).size() > 0);

    // Cancelling a later set-up keeps the chosen file.
    WhenDialogOpens([&](QPrintDialog* dialog) {
        dialog->findChild<QLineEdit*>("filename")->setText(m_dir.filePath("other.pdf"));
        dialog->reject();
    });
    printer.PrintSetup();
    QCOMPARE(printer.chosenPrinter()->outputFileName(), path);
}

void TestCardNoPrinter::cancelledSetupKeepsDefault()
{
    StandInPrompts stand;
    CardPrinter printer(nullptr, stand.prompts());
    WhenDialogOpens([](QPrintDialog* dialog) { dialog->reject(); });
    printer.PrintSetup();
    QVERIFY(!printer.chosenPrinter());
}

QTEST_MAIN(TestCardNoPrinter)
#include "tst_cardnoprinter.moc"
