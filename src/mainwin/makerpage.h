#pragma once

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace orlavine {

/// The address of the maker's web page, shown on the About page.
inline const QString kMakerPageAddress = QStringLiteral("https://orlavine.example/eduprog.html");

/// The browser opener: opens a web page, and tells whether anything on this computer opens
/// web pages at all. The desktop's own is DesktopBrowser(); tests hand in a stand-in.
struct BrowserOpener {
    /// Opens the address in a browser; false when it could not.
    std::function<bool(const QUrl&)> open;
    /// Whether anything here opens web pages (asked only after `open` failed).
    std::function<bool()> present;
};

/// The desktop's browser, reached through QDesktopServices.
const BrowserOpener& DesktopBrowser();

/// Opens the maker's web page (kMakerPageAddress) with `opener`. When that fails, reports
/// "Could not find associated Browser" (title "Browser Not Found") if nothing here opens web
/// pages, otherwise "Web Page not Opened" (title "URL Failed"), in a system warning box over
/// `window`.
void OpenMakerPage(QWidget* window, const BrowserOpener& opener = DesktopBrowser());

} // namespace orlavine
