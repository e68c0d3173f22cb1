// The browser shell of XDG desktops: xdg-mime names the file's type and the desktop
// entry that opens it; the entry's Exec line is the command.
#include "mainwin/makerpage.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace orlavine {

namespace {

/// The first answer of an xdg-mime query ("text/html; charset=..." gives "text/html").
QString AskXdgMime(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    const QString answer = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return answer.section(QLatin1Char(';'), 0, 0).trimmed();
}

/// The Exec line of the [Desktop Entry] group, its string escapes undone.
QString DesktopEntryExec(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5)
                .replace(QLatin1String("\\s"), QLatin1String(" "))
                .replace(QLatin1String("\\\\"), QLatin1String("\\"));
    }
    return QString();
}

/// The desktop entry's file: "app.desktop", or "vendor/app.desktop" for "vendor-app.desktop".
QString LocateDesktopEntry(const QString& id)
{
    QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (path.isEmpty() && id.contains(QLatin1Char('-')))
        path = QStandardPaths::locate(
            QStandardPaths::ApplicationsLocation,
            QString(id).replace(id.indexOf(QLatin1Char('-')), 1, QLatin1Char('/')));
    return path;
}

class XdgBrowserShell : public BrowserShell {
public:
    QString findExecutable(const QString& htmlFile) override
    {
        const QString type =
            AskXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), htmlFile});
        if (type.isEmpty())
            return QString();
        const QString entry =
            AskXdgMime({QStringLiteral("query"), QStringLiteral("default"), type});
        if (entry.isEmpty())
            return QString();
        const QString path = LocateDesktopEntry(entry);
        return path.isEmpty() ? QString() : DesktopEntryExec(path);
    }

    bool execute(const QString& command, const QString& address) override
    {
        const QStringList arguments = BrowserCommand(command, address);
        return !arguments.isEmpty() && QProcess::startDetached(arguments.first(), arguments.mid(1));
    }
};

} // namespace

BrowserShell& DesktopBrowser()
{
    static XdgBrowserShell shell;
    return shell;
}

} // namespace orlavine
