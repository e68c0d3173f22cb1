#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;

namespace orlavine {

class PictureButton;

/// The reset page `Body_Trash`, erasing every recorded result in two clicks. Its three
/// states: Invite (`Trashlbl1`, `ButTrash`), Confirm (`Trashlbl2`, `ButTrash_Yes`,
/// `ButTrash_No`) and Done (`Trashlbl3`).
class TrashPage : public QWidget {
    Q_OBJECT
  public:
    /// `reset` erases the results after backing them up and returns the backup folder
    /// (empty when there was nothing to copy), or nothing when it could not erase them;
    /// the page then goes back to Invite instead of saying they were erased.
    TrashPage(QWidget* parent, std::function<std::optional<QString>()> reset);

    enum State { Invite, Confirm, Done };
    State state() const { return m_state; }
    /// Shows the page's Invite state, as every showing of the page does.
    void showInvite();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void enter(State state);

    std::function<std::optional<QString>()> m_reset;
    State m_state = Invite;
    QLabel* m_invite;
    QLabel* m_question;
    QLabel* m_done;
    PictureButton* m_trash;
    PictureButton* m_yes;
    PictureButton* m_no;
};

} // namespace orlavine
