#include "packagewriter.h"

#include "fixpages.h"
#include "mhtml.h"
#include "page.h"
#include "records/error.h"
#include "records/fileio.h"
#include "records/learner.h"
#include "records/package.h"
#include "records/pictures.h"
#include "records/recordtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>
#include <stdexcept>

namespace orlavine::pack {

namespace {

const QByteArray kHost = "http://orlavine.example/";

/// A table as the package carries it: a "..." line before and after the records, the
/// last line without a line end.
QByteArray Table(const QList<QByteArray>& lines)
{
    QByteArray out = "...\r\n";
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out + "...";
}

QByteArray RecordText(const QString& text)
{
    QByteArray out;
    if (!EncodeRecordText(text, out))
        throw std::logic_error("\"" + text.toStdString() + "\" has no Windows-1252 form");
    return out;
}

/// Writes the package's files in place (a failed generation fails the build, and the next
/// one writes every file again), then removes the files of an earlier package it did not
/// write: replacing thousands of files by new ones would cost the file system far more.
class Writer {
public:
    explicit Writer(const QString& folder) : m_dir(folder) {}

    void write(int id, const QString& name, const QByteArray& bytes) const
    {
        const QString fileName = QStringLiteral("%1%2").arg(id).arg(name);
        QFile file(m_dir.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush())
            throw Error(file.fileName(),
                        QStringLiteral("The package file cannot be written: %1")
                            .arg(file.errorString()));
        m_written.insert(fileName);
    }

    void removeOthers() const
    {
        for (const QString& name : m_dir.entryList(QDir::Files)) {
            if (name.front().isDigit() && !m_written.contains(name) &&
                !QFile::remove(m_dir.filePath(name)))
                throw Error(m_dir.filePath(name),
                            QStringLiteral("An old package file cannot be removed"));
        }
    }

private:
    QDir m_dir;
    mutable QSet<QString> m_written;
};

/// A page made by `html` from its pictures, named `prefix` and the page's id. Pictures
/// the question's HTML shows itself keep their content ids; the others are referred to by
/// content id on pages of even ids, by a relative http address on odd ones: both show.
QByteArray Page(const QList<Picture>& pictures, int id, const QByteArray& prefix,
                const std::function<QByteArray(const QStringList&)>& html)
{
    QStringList addresses;
    QList<PicturePart> parts;
    for (int i = 0; i < pictures.size(); ++i) {
        const Picture& picture = pictures.at(i);
        const QByteArray name = prefix + QByteArray::number(id) + "-" + QByteArray::number(i + 1);
        PicturePart part{picture.mimeType(), {}, {}, picture.data()};
        if (!picture.contentId.isEmpty()) {
            part.contentId = picture.contentId;
            addresses.append(QStringLiteral("cid:") + QString::fromLatin1(part.contentId));
        } else if (id % 2 == 0) {
            part.contentId = name + "@orlavine.example";
            addresses.append(QStringLiteral("cid:") + QString::fromLatin1(part.contentId));
        } else {
            part.location = kHost + "pictures/" + name + ".svg";
            addresses.append(QStringLiteral("pictures/") + QString::fromLatin1(name) +
                             QStringLiteral(".svg"));
        }
        parts.append(part);
    }
    return MhtmlDocument(html(addresses), kHost + prefix + QByteArray::number(id) + ".htm", parts,
                         "----=_OrlavinePart_" + prefix + QByteArray::number(id));
}

/// The first of `folders` that holds `fileName`, or the last when none does (whose
/// reading then reports the picture missing).
QString SkinPicture(const QStringList& folders, const QString& fileName)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir(folders.isEmpty() ? QString() : folders.last()).filePath(fileName);
}

void WriteSettings(const Writer& out, const PackageContent& content)
{
    QList<QByteArray> lines = {FormatRecordLine("NME", {RecordText(content.name)}, 1),
                               FormatRecordLine("COD", {RecordText(content.code)}, 1),
                               QByteArray(31, '-')};
    const char* labels[] = {"LAH", "LBH", "LCH"};
    for (const ModulePapers& module : content.modules) {
        const QByteArray m = QByteArray::number(module.plan.number);
        Fields names;
        for (const TopicPlan& topic : module.plan.topics)
            names.append(RecordText(topic.name));
        lines += {FormatRecordLine(labels[module.plan.number - 1], {RecordText(module.plan.label)}, 1),
                  FormatRecordLine("TT" + m, {QByteArray::number(module.plan.topics.size())}, 1),
                  FormatRecordLine("TP" + m, {QByteArray::number(module.papers.size())}, 1),
                  FormatRecordLine("TN" + m, names, int(names.size()))};
    }
    out.write(kSettingsResource, QStringLiteral("-settings.txt"), Table(lines));
}

/// Writes the module's pages, tables and templates; returns the id after its last question.
int WriteModule(const Writer& out, const ModulePapers& module, int id)
{
    const int m = module.plan.number;
    QList<QByteArray> paperLines, keyLines, typeLines, markLines, blankLines;
    for (const PaperPlan& paper : module.papers) {
        Fields ids;
        for (int number = 1; number <= paper.questions.size(); ++number, ++id) {
            const Question& q = paper.questions.at(number - 1);
            id = q.id != 0 ? q.id : id;
            const QByteArray key = QByteArray::number(id);
            ids.append(key);
            Fields keys, types, marks;
            for (const Part& part : q.parts) {
                for (const Slot& slot : part.subs) {
                    keys.append(slot.key);
                    types.append(QByteArray(1, slot.type));
                    marks.append(QByteArray::number(slot.marks));
                }
            }
            keyLines.append(FormatRecordLine(key, keys, int(keys.size())));
            typeLines.append(FormatRecordLine(key, types, int(types.size())));
            markLines.append(FormatRecordLine(key, marks, int(marks.size())));
            // A saved page is written with its file: parts re-addressed, which the viewer
            // would not show.
            if (!q.savedPage.isEmpty())
                out.write(id, QStringLiteral(".mht"), FixPageAddresses(q.savedPage));
            else
                out.write(id, QStringLiteral(".mht"),
                          Page(q.pictures, id, "q", [&](const QStringList& addresses) {
                              return PageHtml(q, number, addresses);
                          }));
            if (!q.working.isEmpty())
                out.write(SolutionResource(id), QStringLiteral(".mht"),
                          Page(q.workingPictures, id, "s", [&](const QStringList& addresses) {
                              return SolutionHtml(q, number, addresses);
                          }));
        }
        const QByteArray paperKey = QByteArray::number(paper.number);
        paperLines.append(FormatRecordLine(paperKey, ids, int(ids.size())));
        blankLines.append(FormatRecordLine(paperKey, Fields(paper.slotCount()), paper.slotCount()));
    }
    out.write(PaperTableResource(m), QStringLiteral("-papers.txt"), Table(paperLines));
    out.write(AnswerKeyResource(m), QStringLiteral("-keys.txt"), Table(keyLines));
    out.write(AnswerTypeResource(m), QStringLiteral("-types.txt"), Table(typeLines));
    out.write(MarksTableResource(m), QStringLiteral("-marks.txt"), Table(markLines));

    QList<QByteArray> marksTemplate;
    for (int k = 0; k < 6; ++k)
        marksTemplate.append(FormatRecordLine(kMarksKeys[k], Fields(50, k >= FST ? "0" : ""), 50));
    out.write(LearnerTemplateResource(LearnerFile::Marks, m), QStringLiteral("-marks.txt"),
              Table(marksTemplate));
    const QStringList names = {"-first.txt", "-second.txt", "-fresults.txt", "-sresults.txt"};
    for (int k = 0; k < 4; ++k)
        out.write(LearnerTemplateResource(LearnerFile(int(LearnerFile::First) + k), m), names.at(k),
                  Table(blankLines));
    out.write(LearnerTemplateResource(LearnerFile::Trend, m), QStringLiteral("-trend.txt"),
              "#TRD#");
    return id;
}

} // namespace

void WritePackage(const QString& folder, const PackageContent& content)
{
    if (!QDir(folder).mkpath(QStringLiteral(".")))
        throw Error(folder, QStringLiteral("The package folder cannot be made"));
    const Writer out(folder);
    WriteSettings(out, content);
    int id = kFirstQuestionId;
    for (const ModulePapers& module : content.modules)
        id = WriteModule(out, module, id);
    for (const QList<PictureResource>* pictures : {&PictureResources(), &SharpPictureResources()}) {
        for (const PictureResource& picture : *pictures)
            out.write(picture.id, QLatin1Char('-') + picture.fileName,
                      ReadWholeFile(SkinPicture(content.skinFolders, picture.fileName)));
    }
    out.removeOthers();
}

} // namespace orlavine::pack
