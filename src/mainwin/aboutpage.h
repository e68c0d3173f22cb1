#pragma once

#include <QWidget>

class QLabel;

namespace orlavine {

/// The About page `Body_About`: the logo, the package name `ProgramName`, the platform the
/// program runs on ("For Linux" here), "Version 2.0" and the link `lbl_OVURL` to the
/// maker's web page.
class AboutPage : public QWidget {
    Q_OBJECT
  public:
    explicit AboutPage(QWidget* parent);

    /// Shows the package name.
    void setProgramName(const QString& name);

  signals:
    /// The link was clicked.
    void linkClicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* m_logo;
    QLabel* m_name;
    QLabel* m_platform;
    QLabel* m_version;
    QLabel* m_link;
};

/// "For " and the name of the platform the program was built for ("For Linux").
QString PlatformText();

} // namespace orlavine
