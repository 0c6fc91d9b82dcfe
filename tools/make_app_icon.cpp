// Writes Brisel's own icon into the desktop's icon theme layout under
// <folder>: hicolor/<N>x<N>/apps/<application id>.png for every size desktops
// look for, each drawn afresh at its size and stored with the program's own
// PNG writer.

#include "app/ProgramPicture.h"
#include "document/file/PngCodec.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Straight-alpha pixels, red in the low byte, as the file core takes them.
std::vector<std::uint32_t> pixelsOf(const QImage& Picture) {
    const QImage rgba = Picture.convertToFormat(QImage::Format_RGBA8888);
    std::vector<std::uint32_t> pixels(std::size_t(rgba.width()) * std::size_t(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(pixels.data() + std::size_t(y) * std::size_t(rgba.width()),
                    rgba.constScanLine(y), std::size_t(rgba.width()) * 4);
    return pixels;
}

bool writeFile(const QString& Path, const std::vector<std::uint8_t>& Bytes) {
    QSaveFile file(Path);
    const auto size = qint64(Bytes.size());
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(Bytes.data()), size) == size && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisel-make-app-icon FOLDER\n");
        return 1;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : Sizes) {
        const QString dir = root.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        const QString path =
            QDir(dir).filePath(QLatin1String(ApplicationId) + QStringLiteral(".png"));
        const std::vector<std::uint32_t> pixels = pixelsOf(drawProgramIcon(size));
        if (!QDir().mkpath(dir) ||
            !writeFile(path, EncodePng(pixels.data(), size, size, PngPacking::Small))) {
            std::fprintf(stderr, "brisel-make-app-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
