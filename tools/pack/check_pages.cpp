// Question pages: present, well-formed MIME, and every picture they refer to in the page
// and located so that the viewer shows it (http:// or cid:, never a local file).
#include "check.h"

#include "records/package.h"

#include "mime.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace orlavine::pack {

namespace {

/// The addresses the HTML loads: src attributes, stylesheet links and CSS url()s.
QStringList References(const QString& html)
{
    static const QRegularExpression patterns[] = {
        QRegularExpression(QStringLiteral("\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(
            QStringLiteral("<link\\b[^>]*\\bhref\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
            QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^)\\s]+))\\s*\\)"),
                           QRegularExpression::CaseInsensitiveOption)};
    QStringList found;
    for (const QRegularExpression& pattern : patterns) {
        for (auto it = pattern.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            for (int g = 1; g <= 3; ++g) {
                if (match.capturedLength(g) > 0)
                    found.append(match.captured(g)
                                     .replace(QStringLiteral("&amp;"), QStringLiteral("&"))
                                     .trimmed());
            }
        }
    }
    return found;
}

bool LooksLike(const QByteArray& type, const QByteArray& bytes)
{
    if (type == "image/svg+xml")
        return bytes.contains("<svg");
    if (type == "image/gif")
        return bytes.startsWith("GIF8");
    if (type == "image/png")
        return bytes.startsWith("\x89PNG");
    if (type == "image/jpeg")
        return bytes.startsWith("\xFF\xD8");
    if (type == "image/bmp")
        return bytes.startsWith("BM");
    return true;
}

/// Checks the picture parts; returns the address of each part (empty when it has none).
QList<QUrl> CheckParts(const MimeDocument& doc, const QUrl& base, QStringList& errors)
{
    QList<QUrl> locations;
    for (int i = 0; i < doc.parts.size(); ++i) {
        const MimePart& part = doc.parts.at(i);
        const QByteArray location = part.header("content-location");
        const QUrl url =
            location.isEmpty() ? QUrl() : base.resolved(QUrl(QString::fromLatin1(location)));
        locations.append(url);
        if (i == 0)
            continue;
        const QString name = QStringLiteral("part %1").arg(i + 1);
        if (location.isEmpty() && part.contentId().isEmpty())
            errors.append(name + QStringLiteral(" has neither a Content-Location nor a Content-ID, "
                                                "so the page cannot show it"));
        if (url.isLocalFile() ||
            url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
            errors.append(
                name + QStringLiteral(" is located at %1, a local file the viewer refuses to show")
                           .arg(QString::fromLatin1(location)));
        QStringList decodeErrors;
        const QByteArray bytes = DecodeBody(part, decodeErrors);
        for (const QString& e : decodeErrors)
            errors.append(name + QLatin1Char(' ') + e);
        if (decodeErrors.isEmpty() && bytes.isEmpty())
            errors.append(name + QStringLiteral(" is empty"));
        else if (decodeErrors.isEmpty() && !LooksLike(part.mediaType(), bytes))
            errors.append(name + QStringLiteral(" is declared %1 but does not hold one")
                                     .arg(QString::fromLatin1(part.mediaType())));
    }
    return locations;
}

} // namespace

int PagePictureCount(const QByteArray& page, QStringList& errors, QStringList& warnings)
{
    const MimeDocument doc = ParseMime(page, errors);
    if (doc.parts.isEmpty())
        return 0;
    const MimePart& main = doc.parts.first();
    if (main.mediaType() != "text/html") {
        errors.append(QStringLiteral("the first part is %1, not text/html")
                          .arg(QString::fromLatin1(main.mediaType())));
        return 0;
    }
    QStringList htmlErrors;
    const QByteArray html = DecodeBody(main, htmlErrors);
    for (const QString& e : htmlErrors)
        errors.append(QStringLiteral("the HTML ") + e);
    const QByteArray charset = main.typeParameter("charset").toLower();
    if ((charset.isEmpty() || charset == "us-ascii") &&
        std::any_of(html.cbegin(), html.cend(), [](char c) { return c < 0; }))
        warnings.append(QStringLiteral("the us-ascii HTML holds bytes beyond ASCII"));

    const QUrl base(QString::fromLatin1(main.header("content-location")));
    const QList<QUrl> locations = CheckParts(doc, base, errors);
    QSet<int> shown;
    for (const QString& reference : References(QString::fromLatin1(html))) {
        if (reference.startsWith(QLatin1String("data:"), Qt::CaseInsensitive) ||
            reference.startsWith(QLatin1Char('#')))
            continue;
        int found = -1;
        if (reference.startsWith(QLatin1String("cid:"), Qt::CaseInsensitive)) {
            const QByteArray id = QUrl::fromPercentEncoding(reference.mid(4).toLatin1()).toLatin1();
            for (int i = 1; i < doc.parts.size() && found < 0; ++i)
                found = doc.parts.at(i).contentId().compare(id, Qt::CaseInsensitive) == 0 ? i : -1;
        } else {
            const QUrl url = base.resolved(QUrl(reference));
            if (url.isLocalFile() || url.scheme().isEmpty()) {
                errors.append(
                    QStringLiteral(
                        "the HTML refers to \"%1\", a local file the viewer refuses to show")
                        .arg(reference));
                continue;
            }
            for (int i = 1; i < locations.size() && found < 0; ++i)
                found = locations.at(i).adjusted(QUrl::NormalizePathSegments) ==
                                url.adjusted(QUrl::NormalizePathSegments)
                            ? i
                            : -1;
        }
        if (found < 0)
            errors.append(QStringLiteral(
                              "the HTML refers to \"%1\", which is not among the parts of the page")
                              .arg(reference));
        else
            shown.insert(found);
    }
    for (int i = 1; i < doc.parts.size(); ++i) {
        if (!shown.contains(i))
            warnings.append(QStringLiteral("part %1 is never shown by the page").arg(i + 1));
    }
    int pictures = 0;
    for (int i : shown)
        pictures += doc.parts.at(i).mediaType().startsWith("image/") ? 1 : 0;
    return pictures;
}

namespace {

void CheckPage(const QByteArray& page, const QString& what, const Place& place, Findings& findings)
{
    QStringList errors, warnings;
    PagePictureCount(page, errors, warnings);
    for (const QString& e : errors)
        findings.error(place, what + e);
    for (const QString& w : warnings)
        findings.warning(place, what + w);
}

} // namespace

void CheckPages(const FolderResources& resources, const PackageInfo& package, Findings& findings,
                bool readPages)
{
    QSet<QByteArray> seen;
    for (const ModuleInfo& module : package.modules) {
        for (const PaperInfo& paper : module.papers) {
            for (int q = 0; q < paper.questions.size(); ++q) {
                const QByteArray id = paper.questions.at(q).id;
                const int resource = id.toInt();
                if (resource == 0 || seen.contains(id))
                    continue;
                seen.insert(id);
                const Place place{resource, paper.number, q + 1, id};
                const std::optional<QByteArray> page =
                    readPages ? resources.load(resource) : std::nullopt;
                if (readPages ? !page : !resources.contains(resource))
                    findings.error(place, QStringLiteral("the question's page is missing"));
                if (page)
                    CheckPage(*page, QStringLiteral("the page: "), place, findings);
                if (!readPages)
                    continue;
                const int solution = SolutionResource(resource);
                if (const std::optional<QByteArray> worked = resources.load(solution))
                    CheckPage(*worked, QStringLiteral("the worked solution: "),
                              Place{solution, paper.number, q + 1, id}, findings);
            }
        }
    }
    // A worked solution belongs to a question some paper holds.
    for (int id : readPages ? resources.ids() : QList<int>()) {
        const QByteArray question = QByteArray::number(id - SolutionResource(0));
        if (id >= SolutionResource(16001) && id <= SolutionResource(19999) &&
            !seen.contains(question))
            findings.error(Place{id},
                           QStringLiteral("a worked solution for question %1, which no paper holds")
                               .arg(QString::fromLatin1(question)));
    }
}

} // namespace orlavine::pack
