// package.txt: "Key: value" lines and the paper files of each topic.
#include "source.h"

#include "records/recordtext.h"

#include <QRegularExpression>

namespace orlavine::pack {

const char* const kSettingsFile = "package.txt";

namespace {

constexpr int kMaxModules = 3;
constexpr int kMaxTopics = 10;

QString At(int line, const QString& message)
{
    return QStringLiteral("%1:%2: %3").arg(QLatin1String(kSettingsFile)).arg(line).arg(message);
}

/// A name the record files keep: Windows-1252, no ">" (it separates the fields).
void CheckRecordText(const SourceLine& value, const QString& what, QStringList& errors)
{
    if (value.text.isEmpty())
        errors.append(At(value.line, QStringLiteral("the %1 is empty").arg(what)));
    else if (!IsStorableText(value.text))
        errors.append(At(value.line, QStringLiteral("the %1 \"%2\" holds a character the pupil's "
                                                    "record files cannot keep (Windows-1252, "
                                                    "no \">\")")
                                         .arg(what, value.text)));
}

void SetOnce(SourceLine& value, const QString& key, const SourceLine& line, QStringList& errors)
{
    if (value.line != 0)
        errors.append(At(line.line, QStringLiteral("%1 is given twice (first at line %2)")
                                        .arg(key)
                                        .arg(value.line)));
    else
        value = line;
}

} // namespace

SourceSettings ReadSettings(const QByteArray& bytes, QStringList& errors)
{
    static const QRegularExpression keyLine(QStringLiteral("^([A-Za-z]+)\\s*:\\s*(.*)$"));
    static const QRegularExpression code(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    SourceSettings settings;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromUtf8(lines.at(i)).trimmed();
        const int number = i + 1;
        if (text.isEmpty() || text.startsWith(QLatin1String("//")))
            continue;
        const QRegularExpressionMatch match = keyLine.match(text);
        if (!match.hasMatch()) {
            if (settings.modules.isEmpty() || settings.modules.last().topics.isEmpty())
                errors.append(At(number, QStringLiteral("the paper file \"%1\" stands before any "
                                                        "Topic line")
                                             .arg(text)));
            else
                settings.modules.last().topics.last().papers.append({text, number});
            continue;
        }
        const QString key = match.captured(1).toLower();
        const SourceLine value{match.captured(2).trimmed(), number};
        if (key == QLatin1String("name")) {
            SetOnce(settings.name, QStringLiteral("Name"), value, errors);
            CheckRecordText(value, QStringLiteral("name"), errors);
        } else if (key == QLatin1String("code")) {
            SetOnce(settings.code, QStringLiteral("Code"), value, errors);
            if (!code.match(value.text).hasMatch())
                errors.append(At(number, QStringLiteral("the code \"%1\" must be letters and "
                                                        "digits, at most 8")
                                             .arg(value.text)));
        } else if (key == QLatin1String("module")) {
            if (settings.modules.size() == kMaxModules)
                errors.append(At(number, QStringLiteral("a package has at most %1 modules")
                                             .arg(kMaxModules)));
            CheckRecordText(value, QStringLiteral("module caption"), errors);
            settings.modules.append({value, {}});
        } else if (key == QLatin1String("topic")) {
            if (settings.modules.isEmpty()) {
                errors.append(At(number, QStringLiteral("a Topic line before any Module line")));
                continue;
            }
            if (settings.modules.last().topics.size() == kMaxTopics)
                errors.append(At(number, QStringLiteral("a module has at most %1 topics")
                                             .arg(kMaxTopics)));
            CheckRecordText(value, QStringLiteral("topic name"), errors);
            settings.modules.last().topics.append({value, {}});
        } else {
            errors.append(At(number, QStringLiteral("unknown setting \"%1\"; the settings are "
                                                    "Name, Code, Module and Topic")
                                         .arg(match.captured(1))));
        }
    }
    const int last = std::max(1, int(lines.size()));
    if (settings.name.line == 0)
        errors.append(At(last, QStringLiteral("no Name line names the package")));
    if (settings.code.line == 0)
        errors.append(At(last, QStringLiteral("no Code line gives the package's code")));
    if (settings.modules.isEmpty())
        errors.append(At(last, QStringLiteral("no Module line: a package has one to three modules")));
    for (const SourceModule& module : settings.modules) {
        if (module.topics.isEmpty())
            errors.append(At(module.label.line, QStringLiteral("the module has no Topic line")));
    }
    return settings;
}

} // namespace orlavine::pack
