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

    /// Deletes the page shown before, then writes question `questionId`'s page. Returns
    /// its path, or an empty text when the page could not be written; error() then says why.
    QString show(const QByteArray& questionId);

    /// Why the last show() failed, in words to show; empty after a success.
    QString error() const { return m_error; }

    /// Deletes the page file of the question shown last.
    void remove();

    QString path() const { return m_path; }

  private:
    QString m_path;
    QString m_error;
};

} // namespace orlavine
