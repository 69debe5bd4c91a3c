// Makes the desktop icons from the kit's logo at build time:
// tavicons FOLDER writes tavdesigner-48.png, tavdesigner-128.png and
// tavdesigner.svg into FOLDER.

#include "core/common/file_io.h"
#include "ui/common/logo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("Usage: tavicons FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tavicons: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char *name;
        QByteArray bytes;
    } icons[] = {
        {"tavdesigner-48.png", pngBytes(tav::logoImage(48))},
        {"tavdesigner-128.png", pngBytes(tav::logoImage(128))},
        {"tavdesigner.svg", tav::logoSvg(128)},
    };
    for (const auto &icon : icons) {
        const tav::Status written =
            tav::writeFileAtomically(folder.filePath(QLatin1String(icon.name)), icon.bytes);
        if (!written) {
            std::fprintf(stderr, "tavicons: %s\n", qPrintable(written.error()));
            return 1;
        }
    }
    return 0;
}
