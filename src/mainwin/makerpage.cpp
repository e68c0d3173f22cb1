#include "mainwin/makerpage.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace orlavine {

const BrowserOpener& DesktopBrowser()
{
    // QDesktopServices says only whether it worked. On X11 and Wayland it hands the address
    // to xdg-open (failing that, to $BROWSER or a browser it knows by name) and fails when
    // it finds none or cannot start it; what xdg-open meets afterwards it never hears of.
    // A desktop without xdg-open is not set up to open web pages: a failure there is a
    // missing browser, a failure with it a page that did not open.
    static const BrowserOpener desktop{
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        [] { return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty(); }};
    return desktop;
}

void OpenMakerPage(QWidget* window, const BrowserOpener& opener)
{
    if (opener.open(QUrl(kMakerPageAddress)))
        return;
    if (!opener.present())
        QMessageBox::warning(window, QStringLiteral("Browser Not Found"),
                             QStringLiteral("Could not find associated Browser"));
    else
        QMessageBox::warning(window, QStringLiteral("URL Failed"),
                             QStringLiteral("Web Page not Opened"));
}

} // namespace orlavine
