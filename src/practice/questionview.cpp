#include "questionview.h"

#include <QWebEnginePage>

namespace orlavine {

namespace {

QUrl BlankPage() { return QUrl(QStringLiteral("about:blank")); }

/// Follows only local files: the question pages the window writes.
class QuestionPage : public QWebEnginePage {
  public:
    explicit QuestionPage(QObject* parent) : QWebEnginePage(parent) {}

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        return !isMainFrame || url.isLocalFile() || url == BlankPage();
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

} // namespace

QuestionView::QuestionView(QWidget* parent) : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    setPage(new QuestionPage(this));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void QuestionView::showPage(const QString& path)
{
    load(QUrl::fromLocalFile(path));
}

void QuestionView::showBlank()
{
    load(BlankPage());
}

} // namespace orlavine
