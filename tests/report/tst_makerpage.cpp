// Opening the maker's web page: the placeholder file, the two failure messages, the
// command made from a desktop entry, and the desktop's own shell with stand-in tools.
#include "mainwin/makerpage.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace orlavine;

namespace {

/// A shell that finds and starts what it is told, noting what it was given.
struct StandInShell : BrowserShell {
    QString command;
    bool starts = true;
    QString placeholder;
    QByteArray placeholderText;
    QStringList started;

    QString findExecutable(const QString& htmlFile) override
    {
        placeholder = htmlFile;
        QFile file(htmlFile);
        if (file.open(QIODevice::ReadOnly))
            placeholderText = file.readAll();
        return command;
    }
    bool execute(const QString& program, const QString& address) override
    {
        started << program << address;
        return starts;
    }
};

/// The next system message box: its title, text and icon; closed once read.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void ReadNextBox(BoxSeen& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
}

void WriteScript(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

} // namespace

class TestMakerPage : public QObject {
    Q_OBJECT

private slots:
    void address();
    void browserStartedOnTheAddress();
    void browserNotFound();
    void pageNotOpened();
    void browserCommand_data();
    void browserCommand();
    void desktopShellStartsTheDefaultBrowser();
    void desktopShellWithoutXdgTools();
};

void TestMakerPage::address()
{
    const QUrl url(kMakerPageAddress);
    QVERIFY(url.isValid());
    QVERIFY(url.host().endsWith(".example"));
    QVERIFY(url.path().endsWith("eduprog.html"));
}

void TestMakerPage::browserStartedOnTheAddress()
{
    StandInShell shell;
    shell.command = "  browser --new-window %u  ";
    OpenMakerPage(nullptr, shell);
    QCOMPARE(shell.started, (QStringList{"browser --new-window %u", kMakerPageAddress}));
    QVERIFY(shell.placeholder.endsWith(".html"));
    QVERIFY(shell.placeholder.startsWith(QDir::tempPath()));
    QCOMPARE(shell.placeholderText, QByteArray("<HTML> </HTML>\n"));
    QVERIFY(!QFile::exists(shell.placeholder));
}

void TestMakerPage::browserNotFound()
{
    StandInShell shell;
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, shell);
    QCOMPARE(seen.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(seen.text, QStringLiteral("Could not find associated Browser"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY(shell.started.isEmpty());
    QVERIFY(!shell.placeholder.isEmpty());
    QVERIFY(!QFile::exists(shell.placeholder));
}

void TestMakerPage::pageNotOpened()
{
    StandInShell shell;
    shell.command = "browser";
    shell.starts = false;
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, shell);
    QCOMPARE(seen.title, QStringLiteral("URL Failed"));
    QCOMPARE(seen.text, QStringLiteral("Web Page not Opened"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(shell.started.size(), 2);
    QVERIFY(!QFile::exists(shell.placeholder));
}

void TestMakerPage::browserCommand_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("command");
    const QString a = "https://a.example/eduprog.html";
    QTest::newRow("address code") << "firefox %u" << QStringList{"firefox", a};
    QTest::newRow("list code") << "browser --new-window %U"
                               << QStringList{"browser", "--new-window", a};
    QTest::newRow("no code: address added") << "browser" << QStringList{"browser", a};
    QTest::newRow("quoted program")
        << "\"/opt/My Browser/run\" %f" << QStringList{"/opt/My Browser/run", a};
    QTest::newRow("escaped quote")
        << "sh -c \"say \\\"hi\\\"\" %u" << QStringList{"sh", "-c", "say \"hi\"", a};
    QTest::newRow("icon, caption and file codes dropped")
        << "browser %i %c %k %u" << QStringList{"browser", a};
    QTest::newRow("code inside an argument")
        << "browser --url=%u" << QStringList{"browser", "--url=" + a};
    QTest::newRow("address once") << "browser %u %U" << QStringList{"browser", a};
    QTest::newRow("percent sign") << "browser --zoom=100%% %u"
                                  << QStringList{"browser", "--zoom=100%", a};
    QTest::newRow("empty quoted argument") << "browser \"\" %u" << QStringList{"browser", "", a};
    QTest::newRow("open quote") << "browser \"%u" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestMakerPage::browserCommand()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, command);
    QCOMPARE(BrowserCommand(exec, "https://a.example/eduprog.html"), command);
}

void TestMakerPage::desktopShellStartsTheDefaultBrowser()
{
    // Stand-ins for xdg-mime and for a browser, found through PATH and XDG_DATA_HOME.
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    QDir().mkpath(bin);
    WriteScript(bin + "/xdg-mime",
                "#!/bin/sh\n"
                "case \"$2\" in\n"
                "filetype) case \"$3\" in *.html) echo 'text/html; charset=us-ascii';; esac ;;\n"
                "default) [ \"$3\" = text/html ] && echo orlavinetest-browser.desktop ;;\n"
                "esac\n");
    const QString opened = dir.filePath("opened.txt");
    WriteScript(bin + "/browser", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + opened.toUtf8() +
                                      ".part\"\nmv \"" + opened.toUtf8() + ".part\" \"" +
                                      opened.toUtf8() + "\"\n");
    QDir().mkpath(dir.filePath("data/applications/orlavinetest"));
    WriteScript(dir.filePath("data/applications/orlavinetest/browser.desktop"),
                "[Desktop Entry]\nName=Browser\nExec=" + bin.toUtf8() +
                    "/browser --new-window %U\n"
                    "[Desktop Action private]\nExec=nothing\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());

    OpenMakerPage(nullptr, DesktopBrowser());
    QTRY_VERIFY(QFile::exists(opened));
    QFile file(opened);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "--new-window\n" + kMakerPageAddress.toUtf8() + '\n');

    qputenv("PATH", path);
    qunsetenv("XDG_DATA_HOME");
}

void TestMakerPage::desktopShellWithoutXdgTools()
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toUtf8());
    BoxSeen seen;
    ReadNextBox(seen);
    OpenMakerPage(nullptr, DesktopBrowser());
    qputenv("PATH", path);
    QCOMPARE(seen.title, QStringLiteral("Browser Not Found"));
}

QTEST_MAIN(TestMakerPage)
#include "tst_makerpage.moc"
