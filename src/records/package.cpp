#include "records/package.h"

#include "records/error.h"
#include "records/programfolder.h"
#include "records/resources.h"

#include <QFile>

namespace orlavine {

namespace {

int ReadCount(const RecordBytes& record, const QByteArray& key, int max)
{
    bool ok = false;
    const int value = ReadValue(record, key).trimmed().toInt(&ok);
    if (!ok || value < 0 || value > max)
        throw Error(record.file, QStringLiteral("Setting %1 must be a number from 0 to %2")
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

int ReadThroughScratch(int id, const QString& scratch,
                       const std::function<void(const RecordBytes&)>& read)
{
    RecordBytes record{QByteArray(), scratch};
    const int result = WriteResourceFile(id, QStringLiteral("Custom"), scratch, record.bytes);
    if (result != ResourceWritten)
        return result;
    try {
        read(record);
    } catch (...) {
        // The read's failure is the one to report; the next read writes over a file left here.
        QFile::remove(scratch);
        throw;
    }
    if (!QFile::remove(scratch))
        throw Error(scratch, QStringLiteral("Cannot delete the file"));
    return ResourceWritten;
}

PackageSettings ReadSettings()
{
    PackageSettings settings;
    const QString scratch = ProgramFile(QStringLiteral("temptext30000.txt"));
    // Without its settings the package has no module: the windows then offer none.
    ReadThroughScratch(kSettingsResource, scratch, [&](const RecordBytes& table) {
        settings.name = ReadValue(table, "NME");
        settings.code = ReadValue(table, "COD");
        const char* labels[] = {"LAH", "LBH", "LCH"};
        for (int m = 1; m <= 3; ++m) {
            ModuleSettings& module = settings.modules[m - 1];
            module.label = ReadValue(table, labels[m - 1]);
            if (!module.exists())
                continue;
            const QByteArray digit = QByteArray::number(m);
            module.topicCount = ReadCount(table, "TT" + digit, 10);
            module.paperCount = ReadCount(table, "TP" + digit, 50);
            module.topicNames = ReadFields(table, "TN" + digit, module.topicCount);
        }
    });
    return settings;
}

} // namespace orlavine
