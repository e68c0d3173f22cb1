#pragma once

#include <QWebEngineView>

namespace orlavine {

/// Makes the page viewer draw in software unless QT_QUICK_BACKEND chooses otherwise; to
/// be called before the viewer's first page is made.
void ChooseSoftwareDrawing();

/// The question page viewer `brwWebBrowser`: shows a page file, offers no context menu
/// and stays on the question (links and scripts cannot take it elsewhere).
class QuestionView : public QWebEngineView {
    Q_OBJECT
  public:
    explicit QuestionView(QWidget* parent);

    /// Shows the page file at `path` (a local MHTML file).
    void showPage(const QString& path);
    /// Shows an empty page, for a question whose page could not be written.
    void showBlank();
};

} // namespace orlavine
