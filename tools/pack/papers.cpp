#include "papers.h"

#include <QSet>

#include <stdexcept>

namespace orlavine::pack {

namespace {

/// Deals kinds of question in a shuffled order, reshuffling when all have been dealt,
/// so that a paper sees every kind before any comes twice.
class Deck {
public:
    Deck(const QList<Generator>& kinds, Prng& rng) : m_kinds(kinds), m_rng(rng) {}

    bool any() const { return !m_kinds.isEmpty(); }

    Generator next()
    {
        if (m_kinds.isEmpty())
            return nullptr;
        if (m_at >= m_order.size()) {
            m_order = m_kinds;
            m_rng.shuffle(m_order);
            m_at = 0;
        }
        return m_order.at(m_at++);
    }

private:
    QList<Generator> m_kinds;
    QList<Generator> m_order;
    qsizetype m_at = 0;
    Prng& m_rng;
};

void Validate(const Question& q)
{
    if (q.parts.isEmpty() || q.slotCount() > kMaxQuestionSlots)
        throw std::logic_error("a question must have 1 to 12 sub-answers");
    for (const Part& part : q.parts) {
        if (part.subs.isEmpty() || (!part.options.isEmpty() && part.options.size() != 4))
            throw std::logic_error("a part must have a slot and none or four options");
        for (const Slot& slot : part.subs) {
            if (slot.key.isEmpty() || slot.key.contains('>') || slot.marks < 1)
                throw std::logic_error("a key must be storable and a slot worth a mark");
        }
    }
}

/// Whether `remaining` sub-answers can still be made by `positions` questions of 1 to
/// 12 sub-answers each.
bool Reachable(int remaining, int positions)
{
    return positions == 0 ? remaining == 0
                          : remaining >= positions && remaining <= positions * kMaxQuestionSlots;
}

QList<Question> BuildPaper(Prng& rng, Deck& deck, int count, int exactSlots, const ModulePlan& plan)
{
    QList<Question> questions;
    QSet<QString> seen;
    int subs = 0;
    const int budget = exactSlots > 0 ? exactSlots : kMaxPaperSlots;
    while (questions.size() < count) {
        const int left = count - int(questions.size()) - 1; // positions after this one
        Question q;
        bool found = false;
        for (int attempt = 0; attempt < 40 && !found && deck.any(); ++attempt) {
            q = deck.next()(rng);
            const int after = budget - subs - q.slotCount();
            const bool fits = exactSlots > 0 ? Reachable(after, left) : after >= left;
            found = fits && !seen.contains(q.signature());
        }
        if (!found || !deck.any()) {
            // A drill of the size that keeps the paper within its budget (or on its exact total).
            const int size = exactSlots > 0 ? std::max(1, budget - subs - left * kMaxQuestionSlots)
                                            : std::min(3, budget - subs - left);
            q = plan.drill(rng, size);
        }
        Validate(q);
        seen.insert(q.signature());
        subs += q.slotCount();
        questions.append(q);
    }
    if (exactSlots > 0 && subs != exactSlots)
        throw std::logic_error("the paper did not reach its exact number of sub-answers");
    return questions;
}

} // namespace

int PaperPlan::slotCount() const
{
    int count = 0;
    for (const Question& q : questions)
        count += q.slotCount();
    return count;
}

int QuestionCount(int topic, int paper)
{
    static const int sizes[] = {20, 24, 26, 28, 30};
    if (topic == 10)
        return 30;
    if (topic == 1 && paper == 1)
        return 7; // a short first paper to start with
    return sizes[(paper - 1 + topic - 1) % 5];
}

QList<ModulePapers> BuildPapers(std::uint64_t seed)
{
    QList<ModulePapers> modules;
    for (const ModulePlan& plan : DefaultModules()) {
        Prng rng(seed * 31 + std::uint64_t(plan.number));
        ModulePapers module{plan, {}};
        QList<Generator> everything;
        for (int t = 1; t <= 9; ++t)
            everything += plan.topics.at(t - 1).kinds;
        for (int t = 1; t <= 10; ++t) {
            const TopicPlan& topic = plan.topics.at(t - 1);
            Deck deck(t == 10 ? everything : topic.kinds, rng);
            for (int p = 1; p <= 5; ++p) {
                PaperPlan paper{100 + 5 * (t - 1) + p, {}};
                const bool exact = t == 10 && p == 5;
                paper.questions =
                    BuildPaper(rng, deck, QuestionCount(t, p), exact ? kMaxPaperSlots : 0, plan);
                for (Question& q : paper.questions)
                    q.topic = topic.name;
                module.papers.append(paper);
            }
        }
        modules.append(module);
    }
    return modules;
}

} // namespace orlavine::pack
