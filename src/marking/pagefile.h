#pragma once

#include <QByteArray>
#include <QString>

namespace orlavine {

/// The temporary file holding the page of the question on show. Showing another
/// question deletes the file of the one before; the last one is deleted by remove() or
/// when the object goes.
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

    /// Deletes the page file of the question shown last.
    void remove();

    QString path() const { return m_path; }

  private:
    QString m_path;
};

} // namespace orlavine
