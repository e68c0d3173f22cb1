#pragma once

#include "modules.h"

#include <cstdint>

namespace orlavine::pack {

/// A paper of the default package: its number (101 to 150) and its questions.
struct PaperPlan {
    int number = 101;
    QList<Question> questions;

    int slotCount() const;
    int marks() const;
};

/// A module with its papers made.
struct ModulePapers {
    ModulePlan plan;
    QList<PaperPlan> papers; // fifty
};

/// The seed of the default package.
constexpr std::uint64_t kDefaultSeed = 20240917;

/// The most sub-answers a paper may have, and a question in this package.
constexpr int kMaxPaperSlots = 80;
constexpr int kMaxQuestionSlots = 12;

/// The bounds of a paper of the default package, both included.
struct Bounds {
    int min;
    int max;
};
constexpr Bounds kTopicMarks{30, 50};
constexpr Bounds kTopicQuestions{12, 25};
constexpr Bounds kMockMarks{60, 80};

/// Makes the papers of every module from `seed`: five a topic within the bounds above,
/// the mock examinations with questions of every topic; each paper's questions in order
/// of their marks, and no question twice in a module. The same seed gives the same
/// papers. Throws std::logic_error when a question breaks the package's rules or a topic
/// cannot fill its papers.
QList<ModulePapers> BuildPapers(std::uint64_t seed);

} // namespace orlavine::pack
