#pragma once

#include <QLineEdit>
#include <QValidator>

#include <functional>

namespace orlavine {

/// Lets through only what a record field can hold: no ">", no line break, nothing
/// outside Windows-1252. Input holding any of these is refused whole, and `refused`
/// hears why, so the box can say so.
class RecordTextValidator : public QValidator {
    Q_OBJECT
  public:
    RecordTextValidator(std::function<void(const QString&)> refused, QObject* parent);
    State validate(QString& input, int& pos) const override;

    /// Why `text` cannot be stored, in a short sentence; empty when it can.
    static QString RefusalOf(const QString& text);

  private:
    std::function<void(const QString&)> m_refused;
};

/// An answer box `FA1`..`FA20`: one line, frameless (the sheet draws its border), with
/// the hover hint "Enter your answer". Refused input shows its reason by the box.
class AnswerBox : public QLineEdit {
    Q_OBJECT
  public:
    AnswerBox(int k, QWidget* parent);

    /// The typed text as record bytes (Windows-1252); what the box holds always converts.
    QByteArray recordText() const;
    void setRecordText(const QByteArray& text);

    /// Background: white, or light blue for an answer carried from the first attempt.
    void setCarriedColour(bool carried);
    QColor background() const;

    /// The last refusal shown, for the hint beside the box.
    QString lastRefusal() const { return m_refusal; }

  private:
    void showRefusal(const QString& reason);

    QString m_refusal;
};

} // namespace orlavine
