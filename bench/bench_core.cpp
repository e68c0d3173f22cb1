// Figures of the core: reading a paper's keys against merely reading the file (and the
// parse alone), loading a paper's content, checking the largest paper, the report's figures
// and its questions to practise, saving an answer line.
//
// Prints Google Benchmark's table, then the ratio of ReadFieldsForKeys to the raw read.
#include "marking/answercheck.h"
#include "marking/clock.h"
#include "records/learner.h"
#include "records/package.h"
#include "records/papercontent.h"
#include "records/programfolder.h"
#include "records/recordfile.h"
#include "report/practisenext.h"
#include "report/reportfigures.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace orlavine;

namespace {

QTemporaryDir* g_folder = nullptr;
QString g_table;
Fields g_paperIds;

/// A 20 kB answer-key table of 400 questions and a 30-question paper spread over it.
void MakeKeyTable()
{
    g_table = g_folder->filePath("keys.txt");
    QByteArray text = "...\r\n";
    for (int q = 0; q < 400; ++q) {
        const QByteArray id = QByteArray::number(16001 + q);
        text += "#" + id + "#>" + (q % 5 == 0 ? QByteArray(";alpha;beta;gamma> > ") : QByteArray("3>word>0.25")) +
                QByteArray(q % 3 == 0 ? ">extra text here" : "") + "\r\n";
        if (q % 13 == 5 && g_paperIds.size() < 30)
            g_paperIds.append(id);
    }
    text += "...";
    QFile file(g_table);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

/// The first module's paper with the most sub-answers in the embedded package.
std::pair<int, int> LargestPaper()
{
    const PackageSettings settings = ReadSettings();
    const int m = settings.firstModule();
    std::pair<int, int> best{m, 101};
    int most = 0;
    for (int p = 101; p <= 100 + settings.module(m).paperCount; ++p) {
        const int n = LoadPaperContent(m, p).subAnswerTotal();
        if (n > most) {
            most = n;
            best = {m, p};
        }
    }
    return best;
}

void BM_ReadFieldsForKeys(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFieldsForKeys(g_table, int(g_paperIds.size()), g_paperIds));
}
BENCHMARK(BM_ReadFieldsForKeys);

// The parse alone, on the table's bytes in memory.
void BM_ParseFieldsForKeys(benchmark::State& state)
{
    const RecordBytes table = ReadRecordFile(g_table);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFieldsForKeys(table, int(g_paperIds.size()), g_paperIds));
}
BENCHMARK(BM_ParseFieldsForKeys);

void BM_RawRead(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(g_table);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_RawRead);

void BM_LoadPaperContent(benchmark::State& state)
{
    const auto [module, paper] = LargestPaper();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPaperContent(module, paper));
    state.SetLabel(QStringLiteral("module %1 paper %2").arg(module).arg(paper).toStdString());
}
BENCHMARK(BM_LoadPaperContent)->Repetitions(5)->ReportAggregatesOnly();

void BM_CheckLargestPaper(benchmark::State& state)
{
    const auto [module, paper] = LargestPaper();
    const PaperContent content = LoadPaperContent(module, paper);
    Fields answers = content.keys; // right for most types, wrong for some
    for (auto _ : state) {
        for (int i = 0; i < content.subAnswerTotal(); ++i)
            benchmark::DoNotOptimize(CheckSubAnswer(answers, content.keys, content.types, i));
    }
    state.SetLabel(QStringLiteral("%1 sub-answers").arg(content.subAnswerTotal()).toStdString());
}
BENCHMARK(BM_CheckLargestPaper);

/// The report's figures of the first module, and its questions to practise with every
/// paper marked and every answer wrong (the longest list there can be).
void BM_Report(benchmark::State& state)
{
    const PackageSettings settings = ReadSettings();
    const int m = settings.firstModule();
    const ModuleSettings& module = settings.module(m);
    EnsureLearnerRecords(settings, QDateTime::currentDateTime());
    MarksLists marks = ReadMarksLists(m, settings.code, module.paperCount);
    const bool practise = state.range(0) == 1;
    if (practise) {
        for (int p = 0; p < module.paperCount; ++p) {
            marks[FST][p] = "1";
            marks[FSE][p] = "0";
        }
    }
    for (auto _ : state) {
        if (practise)
            benchmark::DoNotOptimize(LoadQuestionsToPractise(marks, module, m, settings.code));
        else
            benchmark::DoNotOptimize(LoadReportFigures(marks, module, m, settings.code));
    }
    state.SetLabel(practise ? "questions to practise, every paper marked" : "report figures");
}
BENCHMARK(BM_Report)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SaveRecordLine(benchmark::State& state)
{
    const QString path = g_folder->filePath("first1XX.txt");
    QByteArray text;
    for (int p = 101; p <= 150; ++p)
        text += "#" + QByteArray::number(p) + "#" + QByteArray(20, '>') + "\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    Fields lines = ReadPaperLines(path, 50);
    Fields values(80, "answer");
    for (auto _ : state)
        SaveRecordLine(lines, values, 25, "125", 50, 20, path);
}
BENCHMARK(BM_SaveRecordLine);

/// Keeps each benchmark's mean time so the ratio can be printed after the table.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    g_folder = &folder;
    SetProgramFolder(folder.path());
    MakeKeyTable();
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double parse = reporter.times["BM_ReadFieldsForKeys"];
    const double raw = reporter.times["BM_RawRead"];
    if (raw > 0)
        std::printf("\nReadFieldsForKeys / raw read of a 20 kB table: %.2f (target at most 3)\n", parse / raw);
    benchmark::Shutdown();
    return 0;
}
