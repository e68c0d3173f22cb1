#pragma once

#include "records/package.h"

/// A module of `topics` topics named "Topic 1".., five papers each.
inline orlavine::ModuleSettings SampleModule(int topics)
{
    orlavine::ModuleSettings module;
    module.label = "Module";
    module.topicCount = topics;
    module.paperCount = 5 * topics;
    for (int t = 0; t < topics; ++t)
        module.topicNames[t] = "Topic " + QByteArray::number(t + 1);
    return module;
}
