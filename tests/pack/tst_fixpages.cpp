// Pages saved by a word processor: re-addressed, they pass the page check with every
// picture found among their parts, the pictures' bytes untouched; a package folder's
// pages are fixed in place once.
#include "check.h"
#include "fixpages.h"
#include "mime.h"
#include "testfolder.h"

#include <QtTest>

using namespace orlavine::pack;

class TestFixPages : public QObject {
    Q_OBJECT

private slots:
    void savedPageChecksCleanOnceFixed_data();
    void savedPageChecksCleanOnceFixed();
    void pictureBytesUnchanged();
    void pageWithNothingToFixUnchanged();
    void packageFolderFixedInPlace();
};

namespace {

/// The page as a word processor saves it: the HTML at file:///C:/Users/t/Documents/q1.htm
/// showing q1_files/image001.png, a PNG at file:///C:/.../q1_files/image001.png.
QByteArray SavedPage()
{
    QFile file(QStringLiteral(ORLAVINE_TEST_DATA "/pages/wordpage.mht"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray DecodedPart(const QByteArray& page, int part)
{
    QStringList errors;
    const MimeDocument doc = ParseMime(page, errors);
    const QByteArray bytes = DecodeBody(doc.parts.value(part), errors);
    return errors.isEmpty() ? bytes : QByteArray();
}

} // namespace

void TestFixPages::savedPageChecksCleanOnceFixed_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("relative reference") << SavedPage();
    QTest::newRow("full file address") << SavedPage().replace(
        "src=3D\"q1_files/image001.png\"",
        "src=3D\"file:///C:/Users/t/Documents/q1_files/image001.png\"");
}

void TestFixPages::savedPageChecksCleanOnceFixed()
{
    QFETCH(QByteArray, page);
    QStringList errors, warnings;
    PagePictureCount(page, errors, warnings);
    QVERIFY2(errors.join(' ').contains("local file"), qPrintable(errors.join('\n')));

    bool changed = false;
    const QByteArray fixed = FixPageAddresses(page, &changed);
    QVERIFY(changed);
    errors.clear();
    warnings.clear();
    QCOMPARE(PagePictureCount(fixed, errors, warnings), 1);
    QVERIFY2(errors.isEmpty() && warnings.isEmpty(), qPrintable((errors + warnings).join('\n')));
    // The HTML is the same but for the picture's address, its windows-1252 letters kept.
    const QByteArray html = DecodedPart(fixed, 0);
    QVERIFY(html.contains("The caf\xE9 sign"));
    QCOMPARE(QByteArray(html).replace("http://page.invalid/", "file:///").replace("\r\n", "\n"),
             DecodedPart(page, 0).replace("\r\n", "\n"));
}

void TestFixPages::pictureBytesUnchanged()
{
    const QByteArray picture = DecodedPart(SavedPage(), 1);
    QVERIFY(picture.startsWith("\x89PNG"));
    QCOMPARE(DecodedPart(FixPageAddresses(SavedPage()), 1), picture);
}

void TestFixPages::pageWithNothingToFixUnchanged()
{
    const QByteArray fixed = FixPageAddresses(SavedPage());
    const QByteArray plain = "Content-Type: text/html\r\n\r\n<p>file:///C:/x.png</p>\r\n";
    for (const QByteArray& page : {fixed, plain, QByteArray("not a page at all")}) {
        bool changed = true;
        QCOMPARE(FixPageAddresses(page, &changed), page);
        QVERIFY(!changed);
    }
}

void TestFixPages::packageFolderFixedInPlace()
{
    TestFolder folder;
    folder.write(QStringLiteral("16001.mht"), SavedPage());
    const QByteArray plain = "Content-Type: text/html\r\n\r\n<p>Already fine</p>\r\n";
    folder.write(QStringLiteral("16002.mht"), plain);
    QCOMPARE(FixPackagePages(folder.path()), 1);
    QCOMPARE(folder.read(QStringLiteral("16001.mht")), FixPageAddresses(SavedPage()));
    QCOMPARE(folder.read(QStringLiteral("16002.mht")), plain);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no leftovers
    QCOMPARE(FixPackagePages(folder.path()), 0);
}

QTEST_GUILESS_MAIN(TestFixPages)
#include "tst_fixpages.moc"
