#pragma once

#include <QWidget>

#include <functional>

class QLabel;

namespace orlavine {

/// A section header of the report page: a coloured bar with its caption label. A click
/// on the bar or on its caption runs the bar's click operation, as do Enter and Space
/// while the bar has the focus (reached by Tab, shown by the focus mark).
class HeaderBar : public QWidget {
public:
    /// `name` is the bar's object name (RCBar1); its caption label is "lbl" + name.
    HeaderBar(const QString& name, const QString& caption, const QString& tooltip, QWidget* parent);

    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }
    QLabel* caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_caption;
    std::function<void()> m_onClick;
};

} // namespace orlavine
