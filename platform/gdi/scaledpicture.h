#pragma once
// A deck picture at a table scale above 1: the larger picture drawn for that scale when it
// is beside the BMP and sound, else the BMP enlarged pixel for pixel, so that edges stay
// sharp and every cell lands exactly `scale` times further out.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace gdi {

class ScaledPicture {
public:
    // The picture for the BMP at `path`, whose file holds `bmp`, at `scale` (2 to 4),
    // Format_RGB32 and exactly `scale` times the sheet's size. A larger picture that cannot
    // be read or has another size is named on standard error, with what is wrong, and the
    // enlarged sheet is used. The BMP's header is always checked, its pixels are decoded
    // only when they are enlarged; throws as PictureLoader does for a broken BMP.
    static QImage load(const QString& path, const QByteArray& bmp, int scale);

    // Where the larger picture lies: "Name@<scale>x.png" beside "Name.bmp".
    static QString largerPath(const QString& path, int scale);

    // `sheet` with every pixel made a `scale` x `scale` block.
    static QImage enlarge(const QImage& sheet, int scale);
};

} // namespace gdi
