#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace orlavine {

/// Guards a question page against copying: Ctrl+C, Ctrl+X (and the other copy and cut
/// keys) and the right mouse button on the page show the system message box "Invalid
/// operation" titled "Error", and the key or click goes no further, so nothing is copied
/// and no menu opens. Tab and Shift+Tab leave the page for the window's next control,
/// so the page never holds the keyboard. Watches the whole application, as the page's
/// events reach the viewer's inner widgets, not the viewer.
class PageGuard : public QObject {
    Q_OBJECT
  public:
    explicit PageGuard(QWidget* view);
    ~PageGuard() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isOnPage(QObject* watched) const;
    void refuse();

    QPointer<QWidget> m_view;
    bool m_showing = false;
};

} // namespace orlavine
