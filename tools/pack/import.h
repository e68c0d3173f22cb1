#pragma once

// Importing quiz files: each reader turns a file's bytes into the questions the program
// can mark, and says which ones it left out and why.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orlavine::pack {

/// An answer line of an imported question: `Answer (attributes): key`, after its prompt.
struct ImportedAnswer {
    QString prompt;     // Markdown shown before the answer line; may be empty
    QString attributes; // "any", "true/false", ...; empty to let the key say its type
    QString key;
};

/// A question as the source format writes it.
struct ImportedQuestion {
    int line = 0;       // where it starts in the quiz file
    QString text;       // Markdown
    QStringList options; // one line of Markdown each, for a choice
    int rightOption = -1;
    QList<ImportedAnswer> answers;
    QString solution; // Markdown; empty when none
};

/// A topic and its questions, in the quiz file's order.
struct ImportedTopic {
    QString name;
    int line = 1; // where the category that named it stands
    QList<ImportedQuestion> questions;
};

/// What a quiz file became.
struct ImportedQuiz {
    QString file; // the quiz file's name, as notes give it
    QList<ImportedTopic> topics;
    QStringList notes; // "FILE:LINE: message", one for each question left out or renamed topic
    int leftOut = 0;

    int importedCount() const;
    /// Notes the question at `line` as left out, for `why`.
    void leaveOut(int line, const QString& why);
    /// Throws orlavine::Error "FILE:LINE: why": the file cannot be imported.
    [[noreturn]] void fail(int line, const QString& why) const;
    /// The topic called `name`, added at the end when there is none.
    ImportedTopic& topic(const QString& name, int line);
};

/// Reads a GIFT quiz (UTF-8, with or without a byte-order mark) named `fileName`. Questions
/// the program cannot mark the same way are left out and noted. Throws orlavine::Error
/// "FILE:LINE: message" when the file cannot be read as GIFT at all.
ImportedQuiz ImportGift(const QByteArray& bytes, const QString& fileName);

/// Reads an Aiken quiz (UTF-8) named `fileName`, as ImportGift does.
ImportedQuiz ImportAiken(const QByteArray& bytes, const QString& fileName);

} // namespace orlavine::pack
