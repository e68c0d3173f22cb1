// The window pictures and the learner-record templates.
#include "check.h"

#include "records/error.h"
#include "records/learner.h"
#include "records/pictures.h"

namespace orlavine::pack {

namespace {

bool HasSignature(const QString& fileName, const QByteArray& bytes)
{
    if (fileName.endsWith(QLatin1String(".bmp")))
        return bytes.startsWith("BM");
    if (fileName.endsWith(QLatin1String(".gif")))
        return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
    if (fileName.endsWith(QLatin1String(".ico")))
        return bytes.startsWith(QByteArray("\0\0\1\0", 4));
    if (fileName.endsWith(QLatin1String(".png")))
        return bytes.startsWith("\x89PNG\r\n\x1a\n");
    return true;
}

void CheckMarksTemplate(const QString& file, const Place& place, Findings& findings)
{
    for (int k = 0; k < 6; ++k) {
        const QByteArray& key = kMarksKeys[k];
        const QByteArray line = ReadLine(file, key);
        if (line.isEmpty()) {
            findings.error(
                place,
                QStringLiteral("the marks template has no %1 line").arg(QString::fromLatin1(key)));
            continue;
        }
        if (line.count('>') != 50) {
            findings.error(place,
                           QStringLiteral("the %1 line of the marks template has %2 fields, not 50")
                               .arg(QString::fromLatin1(key))
                               .arg(line.count('>')));
            continue;
        }
        const QByteArray blank = k >= FST ? "0" : "";
        for (const QByteArray& value : ReadFields50(file, key, 50)) {
            if (value != blank) {
                findings.error(
                    place,
                    QStringLiteral("every field of the %1 line of the marks template must be %2")
                        .arg(QString::fromLatin1(key),
                             k >= FST ? QStringLiteral("\"0\"") : QStringLiteral("empty")));
                break;
            }
        }
    }
}

void CheckPaperLinesTemplate(const QString& file, const ModuleInfo& module, const Place& place,
                             Findings& findings)
{
    const Fields lines = ReadPaperLines(file, module.paperCount);
    for (const PaperInfo& paper : module.papers) {
        const QByteArray& line = lines.at(paper.number - 101);
        const Place at{place.resource, paper.number};
        if (line.isEmpty()) {
            findings.error(at, QStringLiteral("the template has no line for the paper"));
            continue;
        }
        if (!paper.readable)
            continue;
        const int n = paper.subAnswerCount();
        if (line != FormatRecordLine(QByteArray::number(paper.number), Fields(n), n)) {
            findings.error(at,
                           QStringLiteral("the paper's template line must hold exactly %1 empty "
                                          "fields, one per sub-answer; it holds %2 fields")
                               .arg(n)
                               .arg(line.count('>')));
        }
    }
}

} // namespace

void CheckPictures(const FolderResources& resources, Findings& findings)
{
    for (const PictureResource& picture : PictureResources()) {
        const std::optional<QByteArray> bytes = resources.load(picture.id);
        if (!bytes && picture.fileName.startsWith(QLatin1String("solution_")))
            findings.warning({picture.id},
                             QStringLiteral("the picture %1 is missing: the worked solution's "
                                            "button shows without it")
                                 .arg(picture.fileName));
        else if (!bytes)
            findings.error({picture.id},
                           QStringLiteral("the picture %1 is missing").arg(picture.fileName));
        else if (!HasSignature(picture.fileName, *bytes))
            findings.error({picture.id},
                           QStringLiteral("the picture %1 is not a %2 file")
                               .arg(picture.fileName,
                                    picture.fileName.section(QLatin1Char('.'), -1).toUpper()));
    }
    for (const PictureResource& picture : SharpPictureResources()) {
        const std::optional<QByteArray> bytes = resources.load(picture.id);
        if (bytes && !HasSignature(picture.fileName, *bytes))
            findings.error({picture.id},
                           QStringLiteral("the picture %1 is not a PNG file").arg(picture.fileName));
    }
}

void CheckTemplates(const FolderResources& resources, const ModuleInfo& module, Findings& findings)
{
    for (int k = 1; k <= kLearnerFileCount; ++k) {
        const LearnerFile kind = LearnerFile(k);
        const Place place{LearnerTemplateResource(kind, module.number)};
        const QString file = resources.fileOf(place.resource);
        if (file.isEmpty()) {
            findings.error(place, QStringLiteral("the learner-record template is missing"));
            continue;
        }
        try {
            if (kind == LearnerFile::Marks)
                CheckMarksTemplate(file, place, findings);
            else if (kind == LearnerFile::Trend &&
                     resources.load(place.resource) != QByteArray("#TRD#"))
                findings.error(
                    place, QStringLiteral(
                               "the trend template must be exactly \"#TRD#\" with no line end"));
            else if (kind != LearnerFile::Trend)
                CheckPaperLinesTemplate(file, module, place, findings);
        } catch (const Error& e) {
            findings.error(place,
                           QStringLiteral("the template cannot be read: %1").arg(e.message()));
        }
    }
}

} // namespace orlavine::pack
