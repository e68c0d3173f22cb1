#pragma once

#include <QDialog>

#include <functional>

class QLabel;

namespace orlavine {

class ClickLabel;
class PictureButton;
class SkinnedFrame;

/// The program's own message box `frmPopUp`: a small skinned box with a title, an
/// information icon, a message of one or two lines and one button (OK) or two (Yes, No).
/// Its answer is yes for the first button, no for the second; a box closed without a
/// button (window manager, Alt+F4) answers no. Enter presses the first button, Escape the
/// second (or the only one).
///
/// Callers use CallPop; the class is public so tests can look the box over.
class PopUpBox : public QDialog {
    Q_OBJECT
  public:
    explicit PopUpBox(QWidget* master);

    /// CallPop's steps: shows `title` and `message`; one button: OK, centred; two: Yes
    /// under the message's left edge and No 10 pixels to its right; a short message
    /// (under 33 characters) stands level with the icon's middle; the box is centred over
    /// its master (over the screen when there is none).
    void setUp(const QString& title, const QString& message, int numButtons);
    /// Presses button 1 or 2: records its answer and closes the box.
    void press(int button);
    /// 1 or 2 after setUp.
    int buttonCount() const { return m_buttons; }
    /// True once the first button (OK or Yes) was pressed.
    bool answeredYes() const { return m_pressed == 1; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* m_master;
    SkinnedFrame* m_frame;
    QLabel* m_info;
    QLabel* m_message;
    PictureButton* m_but1;
    PictureButton* m_but2;
    ClickLabel* m_but1Label;
    ClickLabel* m_but2Label;
    int m_buttons = 2;
    int m_pressed = 0; // the button pressed, 0 for none
};

/// Asks in the pop-up box, shown modally over `master` (centred on it): `numButtons` 1
/// gives OK, 2 gives Yes and No. Returns true for OK or Yes, false for No or a box closed
/// without a button.
bool CallPop(const QString& title, const QString& message, int numButtons, QWidget* master);

/// Test seam: while set, CallPop does not open the modal box. It builds and lays out the
/// box as for showing, then hands it to `answerer`, which returns the button to press (1
/// or 2), or 0 to close the box without a button. An empty function restores the box.
void SetPopUpAnswerer(std::function<int(PopUpBox& box)> answerer);

} // namespace orlavine
