#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orlavine {

/// The address of the maker's web page, shown on the About page.
inline const QString kMakerPageAddress = QStringLiteral("https://orlavine.example/eduprog.html");

/// How the desktop opens a web page: the program that opens HTML files, and starting it.
class BrowserShell {
public:
    virtual ~BrowserShell() = default;
    /// The command line of the program the desktop opens the HTML file `htmlFile` with,
    /// as written in its desktop entry ("firefox %u"); empty when there is none.
    virtual QString findExecutable(const QString& htmlFile) = 0;
    /// Starts `command` (as findExecutable gave it) on `address`; false when it could
    /// not be started.
    virtual bool execute(const QString& command, const QString& address) = 0;
};

/// The desktop's own shell (XDG: xdg-mime and the desktop entries).
BrowserShell& DesktopBrowser();

/// Opens the maker's web page with `shell`: writes a private placeholder HTML file, asks
/// for the program that opens it and starts that program on kMakerPageAddress. Reports
/// "Could not find associated Browser" (title "Browser Not Found") or "Web Page not
/// Opened" (title "URL Failed") in a system warning box over `window`. The placeholder
/// is removed in every case.
void OpenMakerPage(QWidget* window, BrowserShell& shell = DesktopBrowser());

/// The program and arguments that start a desktop entry's Exec line on `address`:
/// quoting as desktop entries write it, the file or address codes (%u %U %f %F) replaced
/// by the address (added at the end when there is none), other codes dropped, "%%" a
/// percent sign. Empty for an empty or unbalanced line.
QStringList BrowserCommand(const QString& exec, const QString& address);

} // namespace orlavine
