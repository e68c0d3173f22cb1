#include "records/pictures.h"

#include "records/programfolder.h"
#include "records/resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace orlavine {

namespace {

QList<PictureResource> MakeTable()
{
    // Ids 1-37, 41-84, 85-87, 88-92 and 93-95; 38 to 40 are not used.
    const QStringList bmpLow = {
        "about_off", "about_on", "about_pressed", "back_disabled", "back_off", "back_on",
        "back_pressed", "close_off", "close_on", "close_pressed", "forward_disabled",
        "forward_off", "forward_on", "forward_pressed", "home_off", "home_on", "home_pressed",
        "mark_disabled", "mark_off", "mark_on", "mark_pressed", "print_off", "print_on",
        "print_pressed", "report_off", "report_on", "report_pressed", "save_disabled",
        "save_off", "save_on", "save_pressed", "setup_off", "setup_on", "setup_pressed",
        "trash_off", "trash_on", "trash_pressed"};
    const QStringList bmpHigh = {
        "tabs_back_off", "tabs_back_on", "tabs_front_off", "tabs_front_on", "border_bot",
        "border_left", "border_left_corners", "border_right", "border_right_corners",
        "border_top_center", "border_top_left", "border_top_right", "border_white_top_center",
        "border_white_top_left", "border_white_top_right", "prog_blue_close", "prog_blue_max",
        "prog_blue_min", "prog_blue_norm", "prog_blueoff_close", "prog_blueoff_max",
        "prog_blueoff_min", "prog_blueoff_norm", "prog_white_close", "prog_white_max",
        "prog_white_min", "prog_white_norm", "loadbutton_on", "loadbutton_off", "button_off",
        "button_on", "button_pressed", "bottombg1", "bottombg2", "bottombg3", "bottombg4",
        "columnhead1", "columnhead2", "progressbar", "statusgrabber", "bullet", "Handle", "pen",
        "bar"};
    const QStringList ico = {"OVicon", "pencil", "hand"};
    const QStringList gif = {"info_mark", "Logo", "instruction", "Border_bot_left",
                             "Border_bot_right"};
    QList<PictureResource> table;
    int id = 1;
    for (const QString& name : bmpLow)
        table.append({id++, name + QStringLiteral(".bmp")});
    id = 41;
    for (const QString& name : bmpHigh)
        table.append({id++, name + QStringLiteral(".bmp")});
    for (const QString& name : ico)
        table.append({id++, name + QStringLiteral(".ico")});
    for (const QString& name : gif)
        table.append({id++, name + QStringLiteral(".gif")});
    // The worked-solution button, which packages made before it do not carry.
    for (const char* name : {"solution_off", "solution_on", "solution_pressed"})
        table.append({id++, QLatin1String(name) + QStringLiteral(".bmp")});
    return table;
}

QList<PictureResource> MakeSharpTable()
{
    QList<PictureResource> table;
    for (const PictureResource& picture : PictureResources()) {
        const bool toolbar = picture.id <= 37 || picture.id >= 93;
        if (toolbar)
            table.append({picture.id + 100,
                          picture.fileName.chopped(4) + QStringLiteral("@2x.png")});
    }
    return table;
}

/// Writes `picture` to the Graphics folder unless the file there holds its bytes already.
/// Returns whether the file holds them afterwards.
bool Extract(const PictureResource& picture)
{
    // A picture already there byte for byte is left alone: replacing a hundred files on
    // every start costs a journalling file system far more than reading them.
    const QString path = GraphicsFile(picture.fileName);
    QFile present(path);
    const std::optional<QByteArray> bytes = CurrentResources().load(picture.id);
    if (bytes && present.open(QIODevice::ReadOnly) && present.size() == bytes->size() &&
        present.readAll() == *bytes)
        return true;
    present.close();
    return WriteResourceFile(picture.id, QStringLiteral("Custom"), path) == 0;
}

} // namespace

const QList<PictureResource>& PictureResources()
{
    static const QList<PictureResource> table = MakeTable();
    return table;
}

const QList<PictureResource>& SharpPictureResources()
{
    static const QList<PictureResource> table = MakeSharpTable();
    return table;
}

int ExtractGraphics()
{
    // A folder that cannot be made is reported as every picture not written.
    QDir().mkpath(ProgramFile(QStringLiteral("Graphics")));
    int failed = 0;
    for (const PictureResource& picture : PictureResources())
        failed += Extract(picture) ? 0 : 1;
    for (const PictureResource& picture : SharpPictureResources()) {
        // One an earlier package left would stand in for a picture this one draws anew.
        if (CurrentResources().contains(picture.id))
            failed += Extract(picture) ? 0 : 1;
        else
            QFile::remove(GraphicsFile(picture.fileName));
    }
    return failed;
}

QString FindGraphicsFile(const QString& name)
{
    const QString exact = GraphicsFile(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(ProgramFile(QStringLiteral("Graphics")));
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

} // namespace orlavine
