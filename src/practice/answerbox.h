#pragma once

#include <QPlainTextEdit>
#include <QPointer>

class QLabel;

namespace orlavine {

/// What typed or pasted text keeps when it goes into an answer: a record field holds no
/// ">", no line break and nothing outside Windows-1252.
struct AnswerText {
    QString kept;    // the storable part; a line break or tab becomes one space
    QString refusal; // why something was left out, in a short sentence; empty if nothing
};

/// Keeps what `text` can store of an answer and says why the rest was left out.
AnswerText StorablePart(const QString& text);

/// An answer box `FA1`..`FA20`, frameless (the sheet draws its border), with the hover
/// hint "Enter your answer". It holds one line of text: a short box scrolls it, a long
/// box (type L) wraps it over its height. What cannot be stored is left out of typed
/// or pasted text, and a hint beside the box, inside the window, says why.
class AnswerBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    AnswerBox(int k, QWidget* parent);
    ~AnswerBox() override;

    QString text() const { return toPlainText(); }
    /// The typed text as record bytes (Windows-1252); what the box holds always converts.
    QByteArray recordText() const;
    void setRecordText(const QByteArray& text);

    /// Characters the box holds at most; more typed or pasted are left out.
    void setMaxLength(int length);
    int maxLength() const { return m_maxLength; }

    /// A wrapped box shows its text over its whole height from the top; an unwrapped
    /// one shows one line, centred in its height.
    void setWrapped(bool wrapped);

    /// Background: white, or light blue for an answer carried from the first attempt.
    void setCarriedColour(bool carried);
    QColor background() const;

    /// The last refusal shown, and the hint that shows it (null until the first).
    QString lastRefusal() const { return m_refusal; }
    QLabel* refusalHint() const { return m_hint; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void noteAdded(int position, int removed, int added);
    void keepStorable();
    void centreLine();
    void showRefusal(const QString& reason);

    int m_maxLength = 32767;
    int m_addedFrom = -1; // the range typed or pasted since the last check
    int m_addedTo = -1;
    QString m_refusal;
    QPointer<QLabel> m_hint;
};

} // namespace orlavine
