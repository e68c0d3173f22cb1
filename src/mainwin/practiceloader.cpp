#include "mainwin/practiceloader.h"

#include "mainwin/contents.h"
#include "records/error.h"

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

// The practice windows' library, beside the one holding this code.
QString LibraryBesideThisOne()
{
    Dl_info info{};
    const bool found = ::dladdr(reinterpret_cast<void*>(&LibraryBesideThisOne), &info) != 0 && info.dli_fname;
    const QString folder = found ? QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath()
                                 : QCoreApplication::applicationDirPath();
    return folder + QStringLiteral("/liborlavine_practice.so");
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
const PracticeLibrary& Load(const QString& path)
{
    PracticeLibrary& loaded = Library();
    if (loaded.open)
        return loaded;
    ShareGlContexts();
    QLibrary library(path);
    PracticeLibrary found;
    found.open = reinterpret_cast<void (*)(Contents*, int)>(library.resolve("orlavine_open_practice_window"));
    found.close = reinterpret_cast<void (*)()>(library.resolve("orlavine_close_practice_windows"));
    if (!found.open || !found.close) {
        // The pop-up box holds a short message; the details go to the program's output.
        qWarning("%s", qPrintable(library.errorString()));
        throw Error(QString(), QFileInfo::exists(path)
                                   ? QStringLiteral("Part of the program is damaged: please install it again.")
                                   : QStringLiteral("Part of the program is missing: please install it again."));
    }
    loaded = found; // the library stays loaded to the end of the program
    return loaded;
}

} // namespace

void LoadPracticeWindowsWhenNeeded(Contents& contents, const QString& library)
{
    ContentsHooks& hooks = contents.hooks();
    const QString path = library.isEmpty() ? LibraryBesideThisOne() : library;
    hooks.openPracticeWindow = [main = QPointer<Contents>(&contents), path](int attempt) {
        if (!main)
            return;
        try {
            Load(path).open(main, attempt);
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
