// The settings table: name, code, module labels, topic and paper counts, topic names.
#include "check.h"

#include "records/error.h"
#include "records/package.h"

namespace orlavine::pack {

namespace {

/// A whole number from lo to hi, or -1 (reported) when the value is not one.
int ReadCount(const QString& file, const QByteArray& key, int lo, int hi, Findings& findings)
{
    bool ok = false;
    const int value = ReadValue(file, key).trimmed().toInt(&ok);
    if (!ok || value < lo || value > hi) {
        findings.error({kSettingsResource},
                       QStringLiteral("%1 must be a whole number from %2 to %3")
                           .arg(QString::fromLatin1(key))
                           .arg(lo)
                           .arg(hi));
        return -1;
    }
    return value;
}

Fields CheckTopicNames(const QString& file, const QByteArray& key, int topics, Findings& findings)
{
    const Place place{kSettingsResource};
    if (ReadLine(file, key).count('>') < topics) {
        findings.error(place, QStringLiteral("%1 must hold %2 topic names")
                                  .arg(QString::fromLatin1(key))
                                  .arg(topics));
        return {};
    }
    const Fields names = ReadFields(file, key, topics);
    for (int t = 0; t < topics; ++t) {
        if (names.at(t).trimmed().isEmpty())
            findings.error(place, QStringLiteral("topic %1 of %2 has no name")
                                      .arg(t + 1)
                                      .arg(QString::fromLatin1(key)));
    }
    return names;
}

void ReadModule(const QString& file, int m, PackageInfo& package, Findings& findings)
{
    static const char* const labels[] = {"LAH", "LBH", "LCH"};
    ModuleInfo module;
    module.number = m;
    module.label = ReadValue(file, labels[m - 1]);
    if (module.label.isEmpty())
        return;
    const QByteArray digit = QByteArray::number(m);
    module.topicCount = ReadCount(file, "TT" + digit, 1, 10, findings);
    module.paperCount = ReadCount(file, "TP" + digit, 1, 50, findings);
    if (module.topicCount < 0 || module.paperCount < 0)
        return;
    const Place place{kSettingsResource};
    if (module.paperCount > 5 * module.topicCount) {
        findings.error(place, QStringLiteral("TP%1 is %2, but %3 topics hold only %4 papers")
                                  .arg(m)
                                  .arg(module.paperCount)
                                  .arg(module.topicCount)
                                  .arg(5 * module.topicCount));
    } else if (module.paperCount < 5 * module.topicCount) {
        findings.warning(
            place, QStringLiteral("TP%1 is %2: some of the %3 topics have fewer than five papers")
                       .arg(m)
                       .arg(module.paperCount)
                       .arg(module.topicCount));
    }
    module.topicNames = CheckTopicNames(file, "TN" + digit, module.topicCount, findings);
    package.modules.append(module);
}

} // namespace

void CheckSettings(const FolderResources& resources, PackageInfo& package, Findings& findings)
{
    const Place place{kSettingsResource};
    const QString file = resources.fileOf(kSettingsResource);
    if (file.isEmpty()) {
        findings.error(place, QStringLiteral("the settings table is missing"));
        return;
    }
    try {
        package.name = ReadValue(file, "NME");
        package.code = ReadValue(file, "COD");
        if (package.name.trimmed().isEmpty())
            findings.error(place, QStringLiteral("NME, the package name, is missing"));
        if (package.code.trimmed().isEmpty())
            findings.error(place, QStringLiteral("COD, the package code, is missing"));
        for (const char c : package.code) {
            if (QByteArray("\\/:*?\"<>| ").contains(c) || static_cast<unsigned char>(c) < 32) {
                findings.error(place, QStringLiteral("COD \"%1\" cannot be part of a file name")
                                          .arg(QString::fromLatin1(package.code)));
                break;
            }
        }
        for (int m = 1; m <= 3; ++m)
            ReadModule(file, m, package, findings);
        if (package.modules.isEmpty())
            findings.error(
                place, QStringLiteral("no module is configured: LAH, LBH and LCH are all empty"));
    } catch (const Error& e) {
        findings.error(place,
                       QStringLiteral("the settings table cannot be read: %1").arg(e.message()));
    }
}

} // namespace orlavine::pack
