#pragma once

#include <QByteArray>
#include <QString>

namespace orlavine {

/// The temporary file holding the page on show: a question's page or its worked
/// solution. Showing another page deletes the file of the one before; the last one is
/// deleted by remove() or when the object goes.
class QuestionPageFile {
  public:
    QuestionPageFile() = default;
    ~QuestionPageFile() { remove(); }
    QuestionPageFile(const QuestionPageFile&) = delete;
    QuestionPageFile& operator=(const QuestionPageFile&) = delete;

    /// Deletes the page shown before, then writes question `questionId`'s page and returns
    /// its path. Throws Error (its reason in words to show) when the page cannot be written
    /// or is not a page the viewer can show.
    QString show(const QByteArray& questionId);
    /// As show(), for the question's worked-solution page.
    QString showSolution(const QByteArray& questionId);

    /// Whether the package has a worked solution for question `questionId`.
    static bool HasSolution(const QByteArray& questionId);

    /// Deletes the page file of the question shown last.
    void remove();

    QString path() const { return m_path; }

  private:
    QString write(int id, const QString& path);

    QString m_path;
};

} // namespace orlavine
