// Pictures of the report page's four sections with sample scores, and of its topical
// section with long topic names, for the README:
//   report_screenshots OUTPUT_FOLDER [card]
// With "card" it also prints the sample results card on the current printer.
#include "mainwin/cardprinter.h"
#include "mainwin/practisepanel.h"
#include "report/reportfigures.h"
#include "mainwin/reportpage.h"

#include <QApplication>
#include <QDir>

using namespace orlavine;

namespace {

ModuleSettings SampleModule(const QList<QByteArray>& names = {"Number", "Algebra", "Geometry",
                                                              "Statistics", "Probability",
                                                              "Measurement", "Mock Examination"})
{
    ModuleSettings module;
    module.label = "Mathematics";
    module.topicCount = 7;
    module.paperCount = 35;
    for (int t = 0; t < names.size(); ++t)
        module.topicNames[t] = names.at(t);
    return module;
}

MarksLists SampleMarks()
{
    MarksLists marks;
    marks.fill(Fields(50));
    const QList<QList<QByteArray>> first{{"80", "66.7", "90", "73.3", "100"}, {"45", "60", "52.5"},
                                         {"70", "85", "92.5", "88"},         {"30", "55"},
                                         {"76.7", "81"},                      {},
                                         {"68", "72.5"}};
    const QList<QList<QByteArray>> second{{"100", "93.3"}, {"80", "90", "75"}, {"95"}, {"70", "85"},
                                          {},              {},                  {"90"}};
    int day = 1;
    for (int t = 0; t < first.size(); ++t) {
        for (int p = 0; p < first[t].size(); ++p) {
            const int n = 5 * t + p;
            marks[FSE][n] = first[t][p];
            marks[LTM][n] = "0:" + QByteArray::number(10 + (n * 7) % 40) + ":" +
                            QByteArray::number((n * 13) % 60);
            marks[CDD][n] = QByteArray::number(day).rightJustified(2, '0') + "/11/2026";
            day = day % 28 + 1;
        }
        for (int p = 0; p < second[t].size(); ++p)
            marks[SSE][5 * t + p] = second[t][p];
    }
    return marks;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const MarksLists marks = SampleMarks();
    const QByteArray trend =
        "#TRD#>80>45>70>66.7>60>30>85>90>76.7>52.5>92.5>55>73.3>81>100>88>68>72.5";
    ReportPage page;
    page.resize(640, 460);
    page.FillReport(ComputeReportFigures(marks[FSE], marks[SSE], SampleModule(), trend));
    std::array<QList<WrongQuestion>, 10> practise;
    practise[0] = {{103, 7, AttemptKind::First, "4 050", "4 500"},
                   {101, 12, AttemptKind::Second, "(b) 3/8", "(b) 5/8"}};
    practise[1] = {{107, 3, AttemptKind::First, "", "x = 6"}};
    practise[3] = {{118, 9, AttemptKind::First, "25", "2.5 kg"},
                   {116, 4, AttemptKind::First, "1:3", "1:4"}};
    page.practisePanel()->showQuestions(practise, SampleModule().topicNames, 7, true);
    page.show();
    for (int section = 1; section <= 4; ++section) {
        page.openSection(section);
        app.processEvents();
        page.grab().save(QStringLiteral("%1/report-section%2.png").arg(folder).arg(section));
    }
    page.FillReport(ComputeReportFigures(
        marks[FSE], marks[SSE],
        SampleModule({"Whole Numbers", "Addition and Subtraction of Mixed Numbers",
                      "Fractions, Decimals and Percentages", "Ratio and Proportion",
                      "Algebraic Expressions, Simple Equations and Inequalities with Fractions",
                      "Measurement", "Mock Examination"}),
        trend));
    page.openSection(2);
    app.processEvents();
    page.grab().save(QStringLiteral("%1/report-long-names.png").arg(folder));
    if (argc > 2 && QByteArray(argv[2]) == "card") {
        CardPrinter printer(&page, MessageBoxPrompts(&page));
        printer.PrintResultsCard("Orlavine Mathematics Practice", SampleModule(), marks);
    }
    return 0;
}
