#pragma once

#include "modules.h"

#include <cstdint>

namespace orlavine::pack {

/// A paper of the default package: its number (101 to 150) and its questions.
struct PaperPlan {
    int number = 101;
    QList<Question> questions;

    int slotCount() const;
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

/// Makes the papers of every module from `seed`: five a topic, 7 to 30 questions each,
/// the last paper of each module with exactly 80 sub-answers. The same seed gives the
/// same papers. Throws std::logic_error when a question breaks the package's rules.
QList<ModulePapers> BuildPapers(std::uint64_t seed);

/// The number of questions of paper p (1 to 5) of topic t (1 to 10).
int QuestionCount(int topic, int paper);

} // namespace orlavine::pack
