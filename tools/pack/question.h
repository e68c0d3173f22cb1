#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orlavine::pack {

/// One answer field of the sheet: its answer type letter, key and marks.
struct Slot {
    char type = 'N';
    QByteArray key;
    int marks = 1;
};

/// A lettered part of a question: usually one slot, a group of slots answered in any
/// order, or a choice among four numbered options.
struct Part {
    QString prompt; // HTML; may be empty for a question with one part
    QList<Slot> subs;
    QStringList options; // HTML of options 1 to 4 for a choice
    QString unit;        // HTML shown right after the answer line ("cm"), if any
    bool unitBefore = false; // shown before the line instead ("£")
    QString form;        // the one form the answer must take ("as hh:mm"), if any
    QString answer;      // HTML of the right answer as the worked solution states it
};

/// A picture shown on the page: drawn by the generator as SVG text, or read from a file
/// as bytes of a MIME type.
struct Picture {
    Picture(const QString& svg = QString(), const QString& alt = QString()) : svg(svg), alt(alt) {}

    QString svg;
    QString alt;
    QByteArray bytes; // a picture read from a file, instead of `svg`
    QByteArray type;  // the MIME type of `bytes`
    QByteArray contentId; // when the question's own HTML shows it, at "cid:" + contentId

    /// The picture's bytes and their MIME type, whichever way it was made.
    QByteArray data() const { return bytes.isEmpty() ? svg.toUtf8() : bytes; }
    QByteArray mimeType() const { return bytes.isEmpty() ? QByteArray("image/svg+xml") : type; }
};

/// A question as the generator makes it: everything its page and its table lines need.
struct Question {
    QString topic; // shown above the question
    QString stem;  // HTML
    QList<Picture> pictures;
    QList<Part> parts;
    QString note; // how to write the answer, shown small under the parts
    QStringList working;           // the worked solution: short steps of HTML, own numbers
    QList<Picture> workingPictures; // pictures the working shows (the angle marked, ...)
    QString kind;                  // which kind of its topic made it ("1.4.7")
    int id = 0;                    // its resource id; 0 numbers it after the one before
    QByteArray savedPage;          // a whole page shown instead of one made of the above

    int slotCount() const;
    int marks() const;
    /// What makes two questions the same to a pupil: the text, options and pictures.
    QString signature() const;
};

// Parts for each kind of answer. Keys are made here from the same values the
// question's text shows.

/// A choice: key is the number (1 to 4) of the right option.
Part ChoicePart(const QString& prompt, const QStringList& options, int rightIndex);
/// A whole number: type N, or from 1,000 up M accepting "3700", "3,700" and "3 700".
Part NumberPart(const QString& prompt, long long value, int marks = 1);
/// A decimal given as whole 1/10^places: type N.
Part DecimalPart(const QString& prompt, long long scaled, int places, int marks = 1);
/// A word or phrase, or a letter: type T.
Part WordPart(const QString& prompt, const QString& word, int marks = 1);
/// True or false: T or F, or the word in full (type M).
Part TrueFalsePart(const QString& statement, bool isTrue);
/// Any one of the alternatives: type M.
Part AlternativesPart(const QString& prompt, const QStringList& alternatives, int marks = 1);
/// `subs` slots answered in any order with members of `alternatives`: type G.
Part GroupPart(const QString& prompt, const QStringList& alternatives, int subs);
/// An exact form compared letter for letter, spaces aside: type R, F or X.
Part ExactPart(const QString& prompt, char type, const QString& text, int marks = 1);
/// One slot of any type with the key as given, stated as the answer.
Part KeyPart(const QString& prompt, char type, const QString& key, int marks = 1);

} // namespace orlavine::pack
