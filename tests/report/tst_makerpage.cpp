// Opening the maker's web page: the address handed to the browser opener, the two failure
// messages, and the desktop's own opener with a stand-in xdg-open (or none).
#include "mainwin/makerpage.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace orlavine;

namespace {

/// An opener that opens or fails as it is told, noting the addresses it was given.
struct StandIn {
    bool opens = true;
    bool present = true;
    QList<QUrl> opened;

    BrowserOpener opener()
    {
        return {[this](const QUrl& url) {
                    opened << url;
                    return opens;
                },
                [this] { return present; }};
    }
};

/// The system message box that shows next, if one does: its title, text and icon.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void ReadNextBox(BoxSeen& seen)
{
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->accept();
        }
    });
}

} // namespace

class TestMakerPage : public QObject {
    Q_OBJECT

  private slots:
    void address();
    void pageOpened();
    void browserNotFound();
    void pageNotOpened();
    void desktopWithoutXdgOpen();
    void desktopHandsTheAddressToXdgOpen();
};

void TestMakerPage::address()
{
    const QUrl url(kMakerPageAddress);
    QVERIFY(url.isValid());
    QVERIFY(url.host().endsWith(".example"));
    QVERIFY(url.path().endsWith("eduprog.html"));
}

void TestMakerPage::pageOpened()
{
    StandIn browser;
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, browser.opener());
    QCoreApplication::processEvents();
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(kMakerPageAddress)});
    QCOMPARE(seen.title, QString()); // no message
}

void TestMakerPage::browserNotFound()
{
    StandIn browser;
    browser.opens = false;
    browser.present = false;
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, browser.opener());
    QCOMPARE(seen.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(seen.text, QStringLiteral("Could not find associated Browser"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
}

void TestMakerPage::pageNotOpened()
{
    StandIn browser;
    browser.opens = false;
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, browser.opener());
    QCOMPARE(seen.title, QStringLiteral("URL Failed"));
    QCOMPARE(seen.text, QStringLiteral("Web Page not Opened"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(browser.opened.size(), 1);
}

void TestMakerPage::desktopWithoutXdgOpen()
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toUtf8());
    qunsetenv("BROWSER"); // else Qt would start the one it names
    qunsetenv("DEFAULT_BROWSER");
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr);
    qputenv("PATH", path);
    QCOMPARE(seen.title, QStringLiteral("Browser Not Found"));
}

void TestMakerPage::desktopHandsTheAddressToXdgOpen()
{
    QTemporaryDir dir;
    const QByteArray opened = dir.filePath("opened.txt").toUtf8();
    QFile script(dir.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + opened + ".part\"\nmv \"" + opened +
                 ".part\" \"" + opened + "\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + path);

    OpenMakerPage(nullptr);
    qputenv("PATH", path);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(opened), 10000);
    QFile file(opened);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kMakerPageAddress.toUtf8() + '\n');
}

QTEST_MAIN(TestMakerPage)
#include "tst_makerpage.moc"
