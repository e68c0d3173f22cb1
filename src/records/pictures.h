#pragma once

#include <QList>
#include <QString>

namespace orlavine {

/// A picture resource of the package and the file name it is written to under
/// "Graphics/" (exact letter case).
struct PictureResource {
    int id;
    QString fileName;
};

/// The package's 92 pictures in id order.
const QList<PictureResource>& PictureResources();

/// The toolbar pictures drawn again at twice the size, for screens of high density: id
/// 100 more than the picture they redraw, file name "<stem>@2x.png". A package may leave
/// any of them out.
const QList<PictureResource>& SharpPictureResources();

/// Makes sure "Graphics/" exists in the program folder and writes every picture
/// resource to it, in id order, overwriting what is there, then the sharp pictures the
/// package has. A picture that cannot be written does not stop the others; one already
/// there byte for byte is not rewritten. Returns the number of pictures not written.
int ExtractGraphics();

/// The path of the picture `name` in the Graphics folder, matched without regard to
/// letter case ("Pencil.ico" finds "pencil.ico"); the exact-case path when none exists.
QString FindGraphicsFile(const QString& name);

} // namespace orlavine
