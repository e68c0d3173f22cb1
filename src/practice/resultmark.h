#pragma once

#include <QWidget>

namespace orlavine {

/// A result mark `FR1`..`FR20` or `SR1`..`SR20`: draws a tick for a right sub-answer
/// (stored byte 0xFC) and a cross for a wrong one (0xFB); nothing when empty.
class ResultMark : public QWidget {
    Q_OBJECT
  public:
    ResultMark(const QString& name, QWidget* parent);

    void setMark(const QByteArray& mark);
    /// The stored mark, as the result file holds it.
    QByteArray mark() const { return m_mark; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QByteArray m_mark;
};

} // namespace orlavine
