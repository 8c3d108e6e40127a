// Build tool: writes the pixels of a PNG image as the window's icon is read back at run time,
// row after row of premultiplied R, G, B, A bytes, so that starting the program decodes nothing.
//   icon_pixels IN.png OUT.rgba
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_pixels IN.png OUT.rgba\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]), "png")
                             .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || image.width() != image.height() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "icon_pixels: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto *const row = reinterpret_cast<const char *>(image.constScanLine(y));
        if (out.write(row, qint64(image.width()) * 4) != qint64(image.width()) * 4)
            return 1;
    }
    return out.flush() ? 0 : 1;
}
