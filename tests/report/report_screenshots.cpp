// Takes pictures of the report page's three sections with sample scores:
//   report_screenshots OUTPUT_FOLDER
#include "reportfigures.h"
#include "reportpage.h"
#include "statefields.h"

#include <QApplication>
#include <QDir>

using namespace orlavine;

namespace
{

ReportFigures SampleFigures()
{
    ModuleSettings module;
    module.label = "Mathematics";
    module.topicCount = 7;
    module.paperCount = 35;
    const QList<QByteArray> names{"Number",      "Algebra",     "Geometry",        "Statistics",
                                  "Probability", "Measurement", "Mock Examination"};
    for (int t = 0; t < names.size(); ++t)
        module.topicNames[t] = names.at(t);
    Fields fse(50);
    Fields sse(50);
    const QList<QList<QByteArray>> first{{"80", "66.7", "90", "73.3", "100"},
                                         {"45", "60", "52.5"},
                                         {"70", "85", "92.5", "88"},
                                         {"30", "55"},
                                         {"76.7", "81"},
                                         {},
                                         {"68", "72.5"}};
    const QList<QList<QByteArray>> second{
        {"100", "93.3"}, {"80", "90", "75"}, {"95"}, {"70", "85"}, {}, {}, {"90"}};
    for (int t = 0; t < first.size(); ++t) {
        for (int p = 0; p < first[t].size(); ++p)
            fse[5 * t + p] = first[t][p];
        for (int p = 0; p < second[t].size(); ++p)
            sse[5 * t + p] = second[t][p];
    }
    return ComputeReportFigures(
        fse, sse, module,
        "#TRD#>80>45>70>66.7>60>30>85>90>76.7>52.5>92.5>55>73.3>81>100>88>68>72.5");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    StateFields state;
    ReportPage page(&state);
    page.resize(640, 460);
    page.FillReport(SampleFigures());
    page.show();
    for (int section = 1; section <= 3; ++section) {
        state.setValue(QStringLiteral("txtReportPos"), QString::number(section));
        page.ArrangeReport();
        app.processEvents();
        page.grab().save(QStringLiteral("%1/report-section%2.png").arg(folder).arg(section));
    }
    return 0;
}
