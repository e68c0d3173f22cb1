#include "practice/questionview.h"

#include <QQuickWindow>
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

// The viewer draws its pages in software, like the rest of the window: composing the
// window through GL would redraw all of it for every blink of an answer box's caret.
// A QT_QUICK_BACKEND chosen by the user is kept.
void ChooseSoftwareDrawing()
{
    static const bool chosen = [] {
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        return true;
    }();
    Q_UNUSED(chosen);
}

QuestionView::QuestionView(QWidget* parent) : QWebEngineView(parent)
{
    ChooseSoftwareDrawing(); // before the page and its drawing surface are made
    setObjectName(QStringLiteral("brwWebBrowser"));
    setAccessibleName(QStringLiteral("Question page"));
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
