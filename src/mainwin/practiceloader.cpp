#include "mainwin/practiceloader.h"

#include "mainwin/contents.h"
#include "records/error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>

// Qt WebEngine needs a global OpenGL context shared with its views. The public way to get
// one, Qt::AA_ShareOpenGLContexts, makes it as the application starts, for every run;
// this program makes it only when the viewer is about to load, with the function Qt's own
// modules use. It is exported but not documented: the practice-window tests fail if it
// ever stops working.
static_assert(QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(7, 0, 0),
              "check that qt_gl_set_global_share_context still exists in this Qt");
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace orlavine {

namespace {

void ShareGlContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

// Loads the plugin; throws Error when it is missing or not the practice windows.
PracticePlugin& Load(const QString& file)
{
    ShareGlContexts();
    QPluginLoader loader(file);
    auto* plugin = qobject_cast<PracticePlugin*>(loader.instance());
    if (!plugin) {
        // The pop-up box holds a short message; the details go to the program's output.
        qWarning("%s", qPrintable(loader.errorString()));
        throw Error(QString(), QFileInfo::exists(file)
                                   ? QStringLiteral("Part of the program is damaged: please install it again.")
                                   : QStringLiteral("Part of the program is missing: please install it again."));
    }
    return *plugin; // the plugin stays loaded to the end of the program
}

/// Runs `action` once, as soon as the event loop is idle after `widget`'s first paint.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> m_action;
};

} // namespace

void LoadPracticeWindowsWhenNeeded(Contents& contents, const QString& pluginFile,
                                   std::function<void()> warmed)
{
    // Shared by the hooks and the warming: the plugin once loaded.
    auto loaded = std::make_shared<PracticePlugin*>(nullptr);
    ContentsHooks& hooks = contents.hooks();
    hooks.openPracticeWindow = [main = QPointer<Contents>(&contents), pluginFile,
                                loaded](const PaperChoice& choice) {
        if (!main)
            return;
        try {
            if (!*loaded)
                *loaded = &Load(pluginFile);
            (*loaded)->open(choice, [main] {
                if (main)
                    main->RefreshContents();
            });
        } catch (const Error& e) {
            main->showError(e);
        }
    };
    // No practice window can be open before the plugin is loaded.
    hooks.closePracticeWindows = [loaded] {
        if (*loaded)
            (*loaded)->closeAll();
    };
    // The libraries are read from disk in a thread of their own, without holding up the
    // window; the plugin is made and the viewer warmed in this one, as Qt requires. A
    // paper opened meanwhile loads the plugin itself, the libraries' loading having
    // waited only for what remained.
    new AfterFirstPaint(&contents, [main = QPointer<Contents>(&contents), pluginFile, loaded,
                                    warmed = std::move(warmed)] {
        QThread* reading = QThread::create([pluginFile] { QLibrary(pluginFile).load(); });
        QObject::connect(reading, &QThread::finished, main, [main, pluginFile, loaded, warmed] {
            try {
                if (!*loaded)
                    *loaded = &Load(pluginFile);
            } catch (const Error&) {
                return; // said when a paper opens
            }
            (*loaded)->warmUp(warmed);
        });
        QObject::connect(reading, &QThread::finished, reading, &QObject::deleteLater);
        reading->start(QThread::LowPriority);
    });
}

} // namespace orlavine
