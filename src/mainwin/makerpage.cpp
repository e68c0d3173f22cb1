#include "mainwin/makerpage.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryFile>

namespace orlavine {

namespace {

/// Splits an Exec line into arguments; false when a quote is left open.
bool SplitExecLine(const QString& exec, QStringList& arguments)
{
    QString current;
    bool inQuotes = false;
    bool pending = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (inQuotes && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current += exec.at(++i);
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            pending = true;
        } else if (c.isSpace() && !inQuotes) {
            if (pending || !current.isEmpty())
                arguments.append(current);
            current.clear();
            pending = false;
        } else {
            current += c;
        }
    }
    if (pending || !current.isEmpty())
        arguments.append(current);
    return !inQuotes;
}

/// Expands the field codes of one argument; sets `used` when the address went in.
QString ExpandCodes(const QString& argument, const QString& address, bool& used)
{
    QString out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument.at(i) != QLatin1Char('%') || i + 1 == argument.size()) {
            out += argument.at(i);
            continue;
        }
        const QChar code = argument.at(++i);
        if (code == QLatin1Char('%')) {
            out += code;
        } else if (QStringLiteral("uUfF").contains(code) && !used) {
            out += address;
            used = true;
        }
    }
    return out;
}

} // namespace

QStringList BrowserCommand(const QString& exec, const QString& address)
{
    QStringList arguments;
    if (!SplitExecLine(exec, arguments) || arguments.isEmpty())
        return {};
    QStringList command;
    bool used = false;
    for (const QString& argument : arguments) {
        const QString expanded = ExpandCodes(argument, address, used);
        // A code that stood alone and expanded to nothing (%i, %c, %k) leaves no argument.
        if (!expanded.isEmpty() || !argument.startsWith(QLatin1Char('%')))
            command.append(expanded);
    }
    if (!used)
        command.append(address);
    return command.first().isEmpty() ? QStringList() : command;
}

void OpenMakerPage(QWidget* window, BrowserShell& shell)
{
    // Removed when it goes out of scope, whichever way this returns.
    QTemporaryFile placeholder(
        QDir(QDir::tempPath()).filePath(QStringLiteral("orlavine-XXXXXX.html")));
    if (placeholder.open()) {
        placeholder.write("<HTML> </HTML>\n");
        placeholder.flush();
    }
    const QString command = shell.findExecutable(placeholder.fileName()).trimmed();
    if (command.isEmpty()) {
        QMessageBox::warning(window, QStringLiteral("Browser Not Found"),
                             QStringLiteral("Could not find associated Browser"));
        return;
    }
    if (!shell.execute(command, kMakerPageAddress)) {
        QMessageBox::warning(window, QStringLiteral("URL Failed"),
                             QStringLiteral("Web Page not Opened"));
    }
}

} // namespace orlavine
