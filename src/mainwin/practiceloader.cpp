#include "practiceloader.h"

#include "contents.h"
#include "error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPointer>

#include <dlfcn.h>

// Qt makes this context at start-up for a program linking the page viewer; one that
// loads the viewer later makes it just before, with the function Qt's own modules use.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace orlavine {

namespace {

struct PracticeLibrary {
    void (*open)(Contents*, int) = nullptr;
    void (*close)() = nullptr;
};

// The folder this library was loaded from.
QString OwnFolder()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&LoadPracticeWindowsWhenNeeded), &info) == 0 || !info.dli_fname)
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

void ShareGlContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

// The library's functions, once loaded.
PracticeLibrary& Library()
{
    static PracticeLibrary library;
    return library;
}

// Loads the library once; throws Error when it or one of its functions is missing.
const PracticeLibrary& Load()
{
    PracticeLibrary& loaded = Library();
    if (loaded.open)
        return loaded;
    ShareGlContexts();
    QLibrary library(OwnFolder() + QStringLiteral("/liborlavine_practice.so"));
    PracticeLibrary found;
    found.open = reinterpret_cast<void (*)(Contents*, int)>(library.resolve("orlavine_open_practice_window"));
    found.close = reinterpret_cast<void (*)()>(library.resolve("orlavine_close_practice_windows"));
    if (!found.open || !found.close) {
        throw Error(library.fileName(), QStringLiteral("Cannot load the practice windows (%1)")
                                            .arg(library.errorString()));
    }
    loaded = found; // the library stays loaded to the end of the program
    return loaded;
}

} // namespace

void LoadPracticeWindowsWhenNeeded(Contents& contents)
{
    ContentsHooks& hooks = contents.hooks();
    hooks.openPracticeWindow = [main = QPointer<Contents>(&contents)](int attempt) {
        if (!main)
            return;
        try {
            Load().open(main, attempt);
        } catch (const Error& e) {
            main->showError(e);
        }
    };
    // No practice window can be open before the library is loaded.
    hooks.closePracticeWindows = [] {
        if (Library().close)
            Library().close();
    };
}

} // namespace orlavine
