#include "records/package.h"

#include "records/error.h"
#include "records/programfolder.h"
#include "records/resources.h"

#include <QFile>

namespace orlavine {

namespace {

int ReadCount(const QString& path, const QByteArray& key, int max)
{
    bool ok = false;
    const int value = ReadValue(path, key).trimmed().toInt(&ok);
    if (!ok || value < 0 || value > max)
        throw Error(path, QStringLiteral("Setting %1 must be a number from 0 to %2")
                              .arg(QString::fromLatin1(key))
                              .arg(max));
    return value;
}

} // namespace

int PackageSettings::firstModule() const
{
    for (int m = 1; m <= 3; ++m) {
        if (module(m).exists())
            return m;
    }
    return 0;
}

int ReadThroughScratch(int id, const QString& scratch, const std::function<void()>& read)
{
    const int result = WriteResourceFile(id, QStringLiteral("Custom"), scratch);
    if (result != 0)
        return result;
    struct Cleanup {
        const QString& path;
        ~Cleanup() { QFile::remove(path); }
    } cleanup{scratch};
    read();
    return 0;
}

PackageSettings ReadSettings()
{
    PackageSettings settings;
    const QString scratch = ProgramFile(QStringLiteral("temptext30000.txt"));
    ReadThroughScratch(kSettingsResource, scratch, [&] {
        settings.name = ReadValue(scratch, "NME");
        settings.code = ReadValue(scratch, "COD");
        const char* labels[] = {"LAH", "LBH", "LCH"};
        for (int m = 1; m <= 3; ++m) {
            ModuleSettings& module = settings.modules[m - 1];
            module.label = ReadValue(scratch, labels[m - 1]);
            if (!module.exists())
                continue;
            const QByteArray digit = QByteArray::number(m);
            module.topicCount = ReadCount(scratch, "TT" + digit, 10);
            module.paperCount = ReadCount(scratch, "TP" + digit, 50);
            module.topicNames = ReadFields(scratch, "TN" + digit, module.topicCount);
        }
    });
    return settings;
}

} // namespace orlavine
