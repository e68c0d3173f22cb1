// A pupil who never stops: opens every paper of module 1 of the test package in turn,
// types, saves a few times and marks, first attempt then second. Started and killed at
// random moments by tst_killed. It prints "started" before its first save, and after each
// completed marking "marked <paper> <attempt> <percent>", so the test knows when the
// saving began and which scores must survive.

#include "marking/attempt.h"
#include "marking/clock.h"
#include "records/error.h"
#include "records/learner.h"
#include "records/package.h"
#include "records/programfolder.h"

#include <QCoreApplication>

#include <cstdio>

using namespace orlavine;

namespace {

constexpr int kPapers = 10;
constexpr int kSaves = 3;

// Right on some sub-answers and wrong on others, so the scores differ from paper to paper.
Fields Typed(const Attempt& attempt, int save)
{
    Fields typed;
    for (int i = 0; i < attempt.subAnswerTotal(); ++i) {
        const bool right = (i + attempt.paper().paperNumber + save) % 3 != 0;
        typed.append(right ? attempt.content().keys.at(i) : QByteArray::number(save));
    }
    return typed;
}

void Work(AttemptKind kind, int paperNumber)
{
    PaperRef paper;
    paper.module = 1;
    paper.code = "TS";
    paper.paperNumber = paperNumber;
    paper.paperCount = kPapers;
    Attempt attempt(kind, paper);
    attempt.readRecords();
    if (attempt.isMarked())
        return;
    static bool started = false;
    if (!started) {
        std::printf("started\n");
        std::fflush(stdout);
        started = true;
    }
    attempt.setStartTime(Now());
    for (int save = 0; save < kSaves; ++save) {
        attempt.storeAnswers(0, Typed(attempt, save));
        attempt.save();
    }
    const std::optional<MarkingOutcome> outcome = attempt.mark(Now());
    std::printf("marked %d %d %s\n", paperNumber, kind == AttemptKind::First ? 1 : 2,
                outcome->percent.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: markingdriver <program folder>\n");
        return 2;
    }
    SetProgramFolder(QString::fromLocal8Bit(argv[1]));
    try {
        EnsureLearnerRecords(ReadSettings(), Now());
        for (int p = 101; p < 101 + kPapers; ++p) {
            Work(AttemptKind::First, p);
            Work(AttemptKind::Second, p);
        }
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("done\n");
    return 0;
}
