// Feeds arbitrary lists to the answer checks. Input: answers, keys and types separated
// by NUL bytes, each a list split at LF; the shorter lists are padded with empty
// entries, as a paper's parallel lists always have one entry per sub-answer.
#include "marking/answercheck.h"
#include "records/learner.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orlavine;

namespace {

constexpr qsizetype kMaxSlots = 200;

bool IsMark(const QByteArray& result)
{
    return result.isEmpty() || result == kRightMark || result == kWrongMark;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> parts = input.split('\0');
    parts.resize(3);
    QList<Fields> lists;
    qsizetype slotCount = 0;
    for (const QByteArray& part : parts) {
        lists.append(part.split('\n').mid(0, kMaxSlots));
        slotCount = qMax(slotCount, lists.last().size());
    }
    for (Fields& list : lists)
        list.resize(slotCount);
    const Fields& answers = lists[0];
    const Fields& keys = lists[1];
    const Fields& types = lists[2];

    for (int i = 0; i < slotCount; ++i) {
        // A check gives a mark or nothing, whatever the lists hold.
        if (!IsMark(CheckSubAnswer(answers, keys, types, i)) ||
            !IsMark(CheckAlternatives(answers, keys, types, i)) ||
            !IsMark(CheckAnswer(answers.at(i), keys.at(i), types.at(i))))
            std::abort();
        ExpectedGroupAnswer(answers, keys, types, i);
        Alternatives(keys.at(i));
    }
    return 0;
}
