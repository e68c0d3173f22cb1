#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

class QLabel;

namespace orlavine {

class PictureButton;

/// The reset page `Body_Trash`, erasing every recorded result in two clicks. Its three
/// states: Invite (`Trashlbl1`, `ButTrash`), Confirm (`Trashlbl2`, `ButTrash_Yes`,
/// `ButTrash_No`) and Done (`Trashlbl3`).
class TrashPage : public QWidget {
    Q_OBJECT
  public:
    /// `reset` erases the results (after backing them up) and returns false when it could
    /// not; the page then goes back to Invite instead of saying they were erased.
    TrashPage(QWidget* parent, std::function<bool()> reset);

    enum State { Invite, Confirm, Done };
    State state() const { return m_state; }
    /// Shows the page's Invite state, as every showing of the page does.
    void showInvite();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void enter(State state);

    std::function<bool()> m_reset;
    State m_state = Invite;
    QLabel* m_invite;
    QLabel* m_question;
    QLabel* m_done;
    PictureButton* m_trash;
    PictureButton* m_yes;
    PictureButton* m_no;
};

} // namespace orlavine
