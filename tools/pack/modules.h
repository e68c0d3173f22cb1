#pragma once

#include "banks.h"

namespace orlavine::pack {

/// A topic of a module: its name and the kinds of question its papers draw on. The
/// mock examination has no kinds of its own; it mixes those of the other topics.
struct TopicPlan {
    QString name;
    QList<Generator> kinds;
};

/// A module of the default package.
struct ModulePlan {
    int number = 1;
    QString label;
    QList<TopicPlan> topics; // ten, the last the mock examination
};

/// The name of the tenth topic of every module.
extern const char* const kMockExamination;

/// The three modules of the default package: Number, Shape & Data and Next Steps.
QList<ModulePlan> DefaultModules();

} // namespace orlavine::pack
