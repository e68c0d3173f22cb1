#pragma once

#include "practice/practiceplugin.h"

/// Paper `paper` of topic 1 ("Numbers") of the test package's module 1.
inline orlavine::PaperChoice TestPaper(orlavine::AttemptKind kind, int paper)
{
    orlavine::PaperChoice choice;
    choice.kind = kind;
    choice.paper = {1, "TS", paper, 10};
    choice.topicName = QStringLiteral("Numbers");
    return choice;
}
