#pragma once

#include <QObject>

#include <array>

class QWidget;

namespace orlavine {

class ClickLabel;
class PictureButton;
struct PackageSettings;

/// The main window's tabs and toolbar: the module tabs `Tab01`..`Tab03` and the Help tab
/// `Tab04` with their captions `Tab01lbl`..`Tab04lbl`, the tab strip `TabStrip` (the band
/// under the tabs, holding the toolbar), and the toolbar buttons `ToolBar01`..`ToolBar04`
/// with their captions `lblTB01`..`lblTB04`. The tab in front chooses the toolbar's set;
/// what a click does is the window's (the signals).
class Navigation : public QObject {
    Q_OBJECT
  public:
    explicit Navigation(QWidget* window);

    QWidget* strip() const { return m_strip; }
    /// Tab 1..4.
    PictureButton* tab(int tab) const { return m_tabs.at(tab - 1); }

    /// Start-up steps 7 to 9: tab captions and tooltips from the module labels, the strip
    /// at (2, 60), the tabs of the existing modules from the left, overlapping by 4 pixels,
    /// the tabs of absent modules out of view, the Help tab last.
    void setUp(const PackageSettings& settings);
    /// RaiseTab: the other tabs behind the strip (lower numbers in front), the selected one
    /// in front of it and two pixels higher, with the front tab's pictures; the toolbar
    /// shows the selected tab's set.
    void raiseTab(int tab);

  signals:
    void tabClicked(int tab);
    void toolBarClicked(int position);

  private:
    /// The set of the tab in front: captions, tooltips, pictures; position 3 hidden on the
    /// Help tab.
    void showToolSet();

    int m_frontTab = 1;
    QWidget* m_strip;
    std::array<PictureButton*, 4> m_tabs;
    std::array<ClickLabel*, 4> m_tabCaptions;
    std::array<PictureButton*, 4> m_tools;
    std::array<ClickLabel*, 4> m_toolCaptions;
};

} // namespace orlavine
