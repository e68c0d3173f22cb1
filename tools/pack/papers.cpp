#include "papers.h"

#include <QSet>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace orlavine::pack {

namespace {

/// The kinds of one topic, dealt in a shuffled order and reshuffled when all have been
/// dealt, so that a paper sees every kind before any comes twice; and the questions the
/// topic has given, so that none comes twice in the module.
class Topic {
  public:
    Topic(const TopicPlan& plan, const QString& kindPrefix, Prng& rng)
        : m_plan(plan), m_prefix(kindPrefix), m_rng(rng)
    {
        if (plan.kinds.isEmpty())
            throw std::logic_error("the topic " + plan.name.toStdString() + " has no kinds");
    }

    std::string name() const { return m_plan.name.toStdString(); }

    /// A question not given before for which `fits` holds, or throws when the kinds give
    /// none in many tries.
    template <typename Fits> Question next(const Fits& fits)
    {
        for (int attempt = 0; attempt < 40 * m_plan.kinds.size(); ++attempt) {
            if (m_at >= m_order.size()) {
                m_order.clear();
                for (int k = 0; k < m_plan.kinds.size(); ++k)
                    m_order.append(k);
                m_rng.shuffle(m_order);
                m_at = 0;
            }
            const int k = m_order.at(m_at++);
            Question q = m_plan.kinds.at(k)(m_rng);
            if (!fits(q))
                continue;
            const QString signature = q.signature();
            if (m_seen.contains(signature))
                continue;
            Validate(q);
            m_seen.insert(signature);
            // Two entries of one generator are one kind.
            q.kind = m_prefix + QString::number(m_plan.kinds.indexOf(m_plan.kinds.at(k)) + 1);
            return q;
        }
        throw std::logic_error("the topic " + m_plan.name.toStdString() +
                               " cannot fill its papers without repeating a question");
    }

  private:
    static void Validate(const Question& q)
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

    const TopicPlan& m_plan;
    QString m_prefix;
    Prng& m_rng;
    QList<int> m_order;
    qsizetype m_at = 0;
    QSet<QString> m_seen;
};

struct Totals {
    int questions = 0;
    int marks = 0;
    int subAnswers = 0;

    void add(const Question& q)
    {
        ++questions;
        marks += q.marks();
        subAnswers += q.slotCount();
    }
};

/// From one-mark recall to the multi-step problems, as a paper is set.
void OrderByMarks(QList<Question>& questions)
{
    std::stable_sort(questions.begin(), questions.end(),
                     [](const Question& a, const Question& b) { return a.marks() < b.marks(); });
}

QList<Question> TopicPaper(Topic& topic, int targetMarks)
{
    QList<Question> questions;
    Totals total;
    while (total.marks < targetMarks || total.questions < kTopicQuestions.min) {
        if (total.questions == kTopicQuestions.max)
            throw std::logic_error("a paper of the topic " + topic.name() +
                                   " does not reach its marks in 25 questions");
        // Room is kept for one-mark questions up to the least number of questions, and the
        // questions still allowed, at three marks each, can reach the marks wanted.
        const int fewest = std::max(0, kTopicQuestions.min - total.questions - 1);
        const int most = kTopicQuestions.max - total.questions - 1;
        const Question q = topic.next([&](const Question& q) {
            const int marks = total.marks + q.marks();
            return marks + fewest <= kTopicMarks.max && marks + 3 * most >= targetMarks &&
                   total.subAnswers + q.slotCount() <= kMaxPaperSlots;
        });
        total.add(q);
        questions.append(q);
    }
    OrderByMarks(questions);
    return questions;
}

/// A mock examination: rounds of one question from each topic in turn until the marks
/// are reached, so that every topic of the module is in it.
QList<Question> MockPaper(Prng& rng, std::vector<Topic>& topics, int targetMarks)
{
    QList<Question> questions;
    Totals total;
    QList<int> order;
    for (int t = 0; t < int(topics.size()); ++t)
        order.append(t);
    while (total.marks < targetMarks) {
        rng.shuffle(order);
        for (int t : order) {
            if (total.marks >= targetMarks && total.questions >= int(topics.size()))
                break;
            const Question q = topics[t].next([&](const Question& q) {
                return total.marks + q.marks() <= kMockMarks.max &&
                       total.subAnswers + q.slotCount() <= kMaxPaperSlots;
            });
            total.add(q);
            questions.append(q);
        }
    }
    OrderByMarks(questions);
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

int PaperPlan::marks() const
{
    int total = 0;
    for (const Question& q : questions)
        total += q.marks();
    return total;
}

QList<ModulePapers> BuildPapers(std::uint64_t seed)
{
    QList<ModulePapers> modules;
    for (const ModulePlan& plan : DefaultModules()) {
        Prng rng(seed * 31 + std::uint64_t(plan.number));
        ModulePapers module{plan, {}};
        std::vector<Topic> topics;
        for (int t = 1; t <= 9; ++t)
            topics.emplace_back(plan.topics.at(t - 1),
                                QStringLiteral("%1.%2.").arg(plan.number).arg(t), rng);
        for (int t = 1; t <= 10; ++t) {
            for (int p = 1; p <= 5; ++p) {
                PaperPlan paper{100 + 5 * (t - 1) + p, {}};
                paper.questions =
                    t == 10
                        ? MockPaper(rng, topics, rng.range(kMockMarks.min + 6, kMockMarks.max - 4))
                        : TopicPaper(topics[t - 1],
                                     rng.range(kTopicMarks.min + 4, kTopicMarks.max - 4));
                for (Question& q : paper.questions)
                    q.topic = plan.topics.at(t - 1).name;
                module.papers.append(paper);
            }
        }
        modules.append(module);
    }
    return modules;
}

} // namespace orlavine::pack
