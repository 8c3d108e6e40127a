// Build tool: writes the window's icon as X11 window managers read it (_NET_WM_ICON), so that
// starting the program decodes and converts nothing: for each image in turn, its width, its
// height and its pixels row after row, each a 32-bit number of this machine's byte order,
// 0xAARRGGBB, not premultiplied.
//   icon_pixels OUT IN.png...
#include <QFile>
#include <QImage>
#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_pixels OUT IN.png...\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    bool written = out.open(QIODevice::WriteOnly);
    for (int i = 2; written && i < argc; ++i) {
        const QImage image
            = QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "icon_pixels: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::uint32_t size[]
            = { std::uint32_t(image.width()), std::uint32_t(image.height()) };
        written = out.write(reinterpret_cast<const char *>(size), 8) == 8;
        const qint64 row = qint64(image.width()) * 4;
        for (int y = 0; y < image.height(); ++y)
            written = written
                && out.write(reinterpret_cast<const char *>(image.constScanLine(y)), row) == row;
    }
    if (written && out.flush())
        return 0;
    std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
    return 1;
}
