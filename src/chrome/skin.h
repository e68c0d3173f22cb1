#pragma once

#include <QPixmap>
#include <QString>

namespace orlavine {

/// The names of the window pictures in the program's Graphics folder. Every window asks
/// the skin for its pictures by these names; no other code spells a picture's file name.
namespace pic {
// Frame: top bar (active blue, inactive white), sides and bottom.
inline const QString BorderTopLeft = QStringLiteral("border_top_left.bmp");
inline const QString BorderTopCentre = QStringLiteral("border_top_center.bmp");
inline const QString BorderTopRight = QStringLiteral("border_top_right.bmp");
inline const QString BorderWhiteTopLeft = QStringLiteral("border_white_top_left.bmp");
inline const QString BorderWhiteTopCentre = QStringLiteral("border_white_top_center.bmp");
inline const QString BorderWhiteTopRight = QStringLiteral("border_white_top_right.bmp");
inline const QString BorderLeft = QStringLiteral("border_left.bmp");
inline const QString BorderRight = QStringLiteral("border_right.bmp");
inline const QString BorderBottom = QStringLiteral("border_bot.bmp");
inline const QString BorderLeftCorner = QStringLiteral("border_left_corners.bmp");
inline const QString BorderRightCorner = QStringLiteral("border_right_corners.bmp");
inline const QString PopUpBottomLeft = QStringLiteral("Border_bot_left.gif");
inline const QString PopUpBottomRight = QStringLiteral("Border_bot_right.gif");
// Title-bar buttons: blue while active (blueoff, blue under the pointer), white inactive.
inline const QString ProgBlueOffClose = QStringLiteral("prog_blueoff_close.bmp");
inline const QString ProgBlueClose = QStringLiteral("prog_blue_close.bmp");
inline const QString ProgWhiteClose = QStringLiteral("prog_white_close.bmp");
inline const QString ProgBlueOffMin = QStringLiteral("prog_blueoff_min.bmp");
inline const QString ProgBlueMin = QStringLiteral("prog_blue_min.bmp");
inline const QString ProgWhiteMin = QStringLiteral("prog_white_min.bmp");
inline const QString ProgBlueOffMax = QStringLiteral("prog_blueoff_max.bmp");
inline const QString ProgBlueMax = QStringLiteral("prog_blue_max.bmp");
inline const QString ProgWhiteMax = QStringLiteral("prog_white_max.bmp");
inline const QString ProgBlueOffNorm = QStringLiteral("prog_blueoff_norm.bmp");
inline const QString ProgBlueNorm = QStringLiteral("prog_blue_norm.bmp");
// Window icons.
inline const QString MainIcon = QStringLiteral("OVicon.ico");
inline const QString PracticeIcon = QStringLiteral("Pencil.ico");
// Pop-up box and page buttons.
inline const QString InfoMark = QStringLiteral("info_mark.gif");
inline const QString ButtonOff = QStringLiteral("button_off.bmp");
inline const QString ButtonOn = QStringLiteral("button_on.bmp");
inline const QString LoadButtonOff = QStringLiteral("loadbutton_off.bmp");
inline const QString LoadButtonOn = QStringLiteral("loadbutton_on.bmp");
// Main window.
inline const QString TabFrontOff = QStringLiteral("tabs_front_off.bmp");
inline const QString TabFrontOn = QStringLiteral("tabs_front_on.bmp");
inline const QString TabBackOff = QStringLiteral("tabs_back_off.bmp");
inline const QString TabBackOn = QStringLiteral("tabs_back_on.bmp");
inline const QString Bullet = QStringLiteral("bullet.bmp");
inline const QString ColumnHead1 = QStringLiteral("columnhead1.bmp");
inline const QString ColumnHead2 = QStringLiteral("columnhead2.bmp");
inline const QString Logo = QStringLiteral("Logo.gif");
// Practice windows.
inline const QString Pen = QStringLiteral("pen.bmp");
inline const QString BottomBg1 = QStringLiteral("bottombg1.bmp");
inline const QString BottomBg2 = QStringLiteral("bottombg2.bmp");
inline const QString BottomBg3 = QStringLiteral("bottombg3.bmp");
inline const QString BottomBg4 = QStringLiteral("bottombg4.bmp");
inline const QString ProgressBar = QStringLiteral("progressbar.bmp");
inline const QString Instruction = QStringLiteral("instruction.gif");
inline const QString StatusGrabber = QStringLiteral("statusgrabber.bmp");
inline const QString Handle = QStringLiteral("Handle.bmp");
inline const QString Bar = QStringLiteral("bar.bmp");
} // namespace pic

/// The pictures of one toolbar button: `stem` + "_off.bmp", "_on.bmp", "_pressed.bmp" and
/// "_disabled.bmp" ("home", "report", "print", "close", "about", "trash", "setup", "save",
/// "mark", "back", "forward"). Buttons that are never disabled have no disabled picture.
struct ToolbarPictures {
    QString off;
    QString on;
    QString pressed;
    QString disabled;
};
ToolbarPictures ToolbarButtonPictures(const QString& stem);

/// The skin layer: loads each picture from the Graphics folder once (found without regard
/// to letter case) and keeps it for the rest of the run, so timers swap pictures without
/// reading files. A picture that cannot be read gives a null pixmap, kept as well; the
/// windows stay usable without it.
class Skin {
  public:
    /// The picture `name` (one of the pic names).
    static const QPixmap& picture(const QString& name);
    /// The picture `name` for a screen of `devicePixelRatio`: above 1, its drawing at
    /// twice the size ("<stem>@2x.png") where the Graphics folder has one, of the same size
    /// on screen; otherwise picture(name).
    static const QPixmap& picture(const QString& name, qreal devicePixelRatio);
    /// Forgets every kept picture; start-up calls it after writing the Graphics folder.
    static void reload();
    /// How many picture files were read since the program started (for tests).
    static int filesRead();
};

} // namespace orlavine
