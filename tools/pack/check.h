#pragma once

#include "records/recordfile.h"
#include "records/resources.h"

#include <QList>
#include <QString>

namespace orlavine::pack {

/// One thing wrong with a package, with where it is.
struct Problem {
    bool warning = false;  // a warning does not fail the check
    int resource = 0;      // the resource concerned
    int paper = 0;         // 101 to 150, 0 when none
    int question = 0;      // its number in the paper (from 1), 0 when none
    QByteArray questionId; // empty when none
    QString message;

    /// "error: resource 30013, paper 104, question 5 (16087): message"; "error: message"
    /// when it belongs to no resource.
    QString text() const;
};

/// Where a check is looking: the resource, paper and question a problem belongs to.
struct Place {
    Place(int resource = 0, int paper = 0, int question = 0,
          const QByteArray& questionId = QByteArray())
        : resource(resource), paper(paper), question(question), questionId(questionId)
    {
    }
    int resource;
    int paper;
    int question;
    QByteArray questionId;
};

/// The problems found so far.
class Findings {
public:
    void error(const Place& place, const QString& message) { add(false, place, message); }
    void warning(const Place& place, const QString& message) { add(true, place, message); }
    const QList<Problem>& problems() const { return m_problems; }
    int errorCount() const;

private:
    void add(bool warning, const Place& place, const QString& message);
    QList<Problem> m_problems;
};

/// A question of a paper as the tables give it.
struct QuestionInfo {
    QByteArray id;
    Fields keys, types, marks;
};

/// A paper as the tables give it; `readable` is false when its questions could not all
/// be read with the forward passes the program uses.
struct PaperInfo {
    int number = 0;
    QList<QuestionInfo> questions;
    bool readable = false;

    int subAnswerCount() const;
};

/// A configured module and its papers.
struct ModuleInfo {
    int number = 0;
    QByteArray label;
    int topicCount = 0;
    int paperCount = 0;
    Fields topicNames; // empty when they cannot be read
    QList<PaperInfo> papers;

    /// The topic (0 to 9) of a paper: five papers a topic, in order.
    static int topicOf(int paperNumber) { return (paperNumber - 101) / 5; }
};

/// What the settings and tables of a package folder say.
struct PackageInfo {
    QByteArray name, code;
    QList<ModuleInfo> modules;
};

/// Reads the settings and tables of the package at `resources`, adding what is wrong
/// with them to `findings`. Never throws.
PackageInfo ReadPackage(const FolderResources& resources, Findings& findings);

// The checks of each kind; each adds to `findings` and never throws.
void CheckSettings(const FolderResources& resources, PackageInfo& package, Findings& findings);
void CheckTables(const FolderResources& resources, ModuleInfo& module, Findings& findings);
void CheckKeys(const ModuleInfo& module, Findings& findings);
/// Every question's page and worked solution read and checked; with `readPages` false only
/// that every question has a page.
void CheckPages(const FolderResources& resources, const PackageInfo& package, Findings& findings,
                bool readPages = true);
void CheckPictures(const FolderResources& resources, Findings& findings);
void CheckTemplates(const FolderResources& resources, const ModuleInfo& module, Findings& findings);
void CheckPapers(const FolderResources& resources, const ModuleInfo& module, Findings& findings);

/// The problems of the package folder `folder`, by every rule the program relies on.
QList<Problem> CheckPackage(const QString& folder);

/// The quick part of CheckPackage, what the program cannot run without, for a start on a
/// package folder: the settings and tables, the window pictures, the learner-record
/// templates, and a page for every question (not read). `resources` are those of `folder`.
/// Returns what ReadPackage read.
PackageInfo CheckPackageToRun(const QString& folder, const FolderResources& resources,
                              Findings& findings);

/// What a question's page shows a pupil: its text without the question's number and the
/// bytes of its pictures (together they tell two questions apart), the text of its answer
/// lines, and the kind of question the page names in its "question-kind" meta element
/// (empty when none).
struct PageFace {
    QString text;
    QByteArray pictures;
    QString answerLines;
    QString kind;

    /// The same for two pages that show the same question.
    QString identity() const { return text + QString::fromLatin1(pictures.toBase64()); }
};
PageFace ReadPageFace(const QByteArray& page, int number);

/// The marks of a paper.
int PaperMarks(const PaperInfo& paper);
/// Whether the paper's marks are within the bounds, set in `min` and `max`, of a paper of
/// its topic: 30 to 50 for a topic paper, 60 to 80 for the module's last topic, its mock
/// examination.
bool MarksInRange(const ModuleInfo& module, const PaperInfo& paper, int& min, int& max);

/// The parts of a page that show as pictures, with the problems the viewer would have
/// with the page; used by the page check and the statistics.
int PagePictureCount(const QByteArray& page, QStringList& errors, QStringList& warnings);

} // namespace orlavine::pack
