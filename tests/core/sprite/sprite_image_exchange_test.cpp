#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_image_files.h"
#include "core/sprite/sprite_name.h"

#include "support/temp_game_folder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

QByteArray samplePalette()
{
    QFile file(QStringLiteral(TAV_SOURCE_DIR "/sample/GAMEDATA/MASTER.PAL"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// A game folder with the sample palette, whose colours 50,50,50 and 63,63,63
// each stand at two indices.
struct ExchangeFolder {
    TempGameFolder temp;
    GamePalette palette;
    SpriteColourMap colours{palette.colours};

    ExchangeFolder()
    {
        temp.write("GAMEDATA/MASTER.PAL", samplePalette());
        temp.mkdir("GRAFIK/UNITS");
        palette = readGamePalette(temp.folder());
        colours = SpriteColourMap(palette.colours);
    }
    QString disk(const QString &relative) const { return temp.disk(relative); }
};

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= static_cast<quint8>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A valid 1 x 1 PNG whose header then states another size.
QByteArray pngStating(quint32 width, quint32 height)
{
    QImage one(1, 1, QImage::Format_ARGB32);
    one.fill(Qt::red);
    QByteArray bytes = pngBytes(one);
    const auto put = [&bytes](int offset, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char(v >> (24 - 8 * i));
    };
    put(16, width); // IHDR data starts at 16
    put(20, height);
    put(29, crc32(bytes.mid(12, 17)));
    return bytes;
}

} // namespace

TEST(SpriteImageExchange, ExportThenImportGivesTheSameSpriteBytes)
{
    ExchangeFolder f;
    ASSERT_TRUE(f.palette.problem.isEmpty());
    QByteArray pixels;
    for (int i = 0; i < 37 * 40; ++i)
        pixels.append(char(i * 7 % 256)); // every index, the doubled colours too
    f.temp.write("GRAFIK/UNITS/ORC.SPR", spriteFileBytes(37, 40, pixels));

    ASSERT_TRUE(exportSpriteImage(f.temp.folder(), "\\UNITS\\ORC", f.disk("orc.png"), 1, f.colours));
    const QImage exported(f.disk("orc.png"));
    EXPECT_EQ(exported.size(), QSize(37, 40));
    EXPECT_EQ(qAlpha(exported.pixel(0, 0)), 0);           // index 0
    EXPECT_EQ(exported.pixel(1, 0), qRgb(116, 116, 116)); // index 7 of the sample: 29,29,29

    const Result<ImageMapping> imported =
        importSpriteImage(f.temp.folder(), "\\UNITS\\ORC2", f.disk("orc.png"), false, f.colours);
    ASSERT_TRUE(imported) << imported.error().toStdString();
    EXPECT_EQ(imported->exactPixels, 37 * 40);
    EXPECT_EQ(imported->largestError, 0);
    EXPECT_EQ(f.temp.read("GRAFIK/UNITS/ORC2.SPR"), f.temp.read("GRAFIK/UNITS/ORC.SPR"));

    ASSERT_TRUE(exportSpriteImage(f.temp.folder(), "\\UNITS\\ORC", f.disk("big.png"), 3, f.colours));
    const QImage big(f.disk("big.png"));
    EXPECT_EQ(big.size(), QSize(111, 120));
    EXPECT_EQ(big.pixel(5, 2), exported.pixel(1, 0));
}

TEST(SpriteImageExchange, TransparencyAndNearestColours)
{
    std::array<QRgb, 256> screen{};
    screen.fill(qRgb(200, 200, 200));
    screen[0] = qRgb(0, 0, 0); // never chosen for an opaque pixel
    screen[3] = qRgb(10, 0, 0);
    screen[9] = qRgb(0, 10, 0); // as far from (5, 5, 0) as index 3
    screen[12] = qRgb(100, 100, 100);
    const SpriteColourMap colours(screen);

    QImage image(5, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(100, 100, 100, 0));   // transparent
    image.setPixel(1, 0, qRgba(100, 100, 100, 127)); // still counts as transparent
    image.setPixel(2, 0, qRgba(100, 100, 100, 128)); // opaque enough
    image.setPixel(3, 0, qRgb(5, 5, 0));             // a tie: the lower index
    image.setPixel(4, 0, qRgb(1, 1, 1));             // nearest is 3, not black 0
    const ImageMapping mapping = mapImage(image, colours);
    EXPECT_EQ(mapping.width, 5);
    EXPECT_EQ(mapping.height, 1);
    const int expected[] = {0, 0, 12, 3, 3};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(mapping.pixels.at(x, 0), expected[x]) << x;
    EXPECT_EQ(mapping.exactPixels, 1);
    EXPECT_EQ(mapping.partlyTransparentPixels, 2);
    EXPECT_EQ(mapping.largestError, 11);
    EXPECT_EQ(mapping.summary().toStdString(), "5 pixels, 1 of them exactly in a palette colour, largest colour "
                                               "error 11, 2 partly transparent.");
}

TEST(SpriteImageExchange, SizeLimitCropAndBrokenImagesLeaveTheSpriteAlone)
{
    ExchangeFolder f;
    f.temp.write("GRAFIK/WALK.SPR", "keep me");
    QImage wide(41, 50, QImage::Format_ARGB32);
    wide.fill(qRgba(0, 0, 0, 0));
    wide.setPixel(39, 39, qRgb(252, 252, 252));
    wide.setPixel(40, 0, qRgb(252, 252, 252)); // outside the crop
    f.temp.write("wide.png", pngBytes(wide));
    const QByteArray good = pngBytes(QImage(4, 4, QImage::Format_ARGB32));
    f.temp.write("junk.png", "not an image at all");
    f.temp.write("cut.png", good.left(good.size() - 30));
    f.temp.write("huge.png", pngStating(100000, 100000));
    f.temp.write("empty.png", pngStating(0, 3));

    const auto import = [&f](const char *image, bool crop = false, const char *name = "\\WALK") {
        return importSpriteImage(f.temp.folder(), name, f.disk(image), crop, f.colours);
    };
    EXPECT_EQ(import("wide.png").error(), "wide.png is 41 x 50 pixels; a sprite is at most 40 x 40.");
    EXPECT_TRUE(import("missing.png").error().contains("does not exist"));
    EXPECT_TRUE(import("junk.png").error().contains("not an image"));
    EXPECT_TRUE(import("cut.png").error().startsWith("cut.png could not be decoded"));
    EXPECT_TRUE(import("huge.png").error().contains("100000 x 100000 pixels, too large"));
    EXPECT_FALSE(import("empty.png").ok());
    EXPECT_EQ(import("wide.png", true, "\\TOOLONGNAME").error(), QString(kDosNameMessage));
    EXPECT_FALSE(import("wide.png", true, "\\..\\WALK").ok());
    EXPECT_EQ(f.temp.read("GRAFIK/WALK.SPR"), "keep me");

    const Result<ImageMapping> cropped = import("wide.png", true);
    ASSERT_TRUE(cropped) << cropped.error().toStdString();
    const SpriteFileContents walk = parseSpriteFile(f.temp.read("GRAFIK/WALK.SPR"));
    EXPECT_EQ(walk.width, 40);
    EXPECT_EQ(walk.height, 40);
    EXPECT_EQ(walk.pixels.at(39, 39), 15); // the first of the two 63,63,63
    EXPECT_EQ(walk.pixels.at(39, 0), 0);
}

TEST(SpriteImageExchange, SheetLaysOutTheFolderInListingOrderWithItsDescription)
{
    ExchangeFolder f;
    f.temp.write("GRAFIK/UNITS/BAT.SPR", spriteFileBytes(2, 3, QByteArray(6, char(5))));
    f.temp.write("GRAFIK/UNITS/ant.SPR", spriteFileBytes(40, 1, QByteArray(40, char(7))));
    f.temp.write("GRAFIK/UNITS/CAT.SPR", spriteFileBytes(1, 1, QByteArray(1, char(9))));
    f.temp.write("GRAFIK/UNITS/NIL.SPR", "short");

    QStringList problems;
    const Result<SpriteSheet> sheet =
        exportSpriteSheet(f.temp.folder(), "\\UNITS", f.disk("sheet.png"), SheetExport{2, 2}, f.colours, &problems);
    ASSERT_TRUE(sheet) << sheet.error().toStdString();
    EXPECT_EQ(problems, QStringList{"\\UNITS\\NIL: holds no pixels, left out."});
    const QImage image(f.disk("sheet.png"));
    EXPECT_EQ(image.size(), QSize(160, 160));
    EXPECT_EQ(image.pixel(79, 1), f.colours.colourTable()[7]); // ant, scaled
    EXPECT_EQ(qAlpha(image.pixel(79, 2)), 0);
    EXPECT_EQ(image.pixel(83, 5), f.colours.colourTable()[5]); // BAT in the second column
    EXPECT_EQ(image.pixel(1, 81), f.colours.colourTable()[9]); // CAT starts the second row

    QFile jsonFile(f.disk("sheet.json"));
    ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(jsonFile.readAll()).object();
    EXPECT_EQ(json["columns"].toInt(), 2);
    EXPECT_EQ(json["cellWidth"].toInt(), 80);
    const QJsonArray sprites = json["sprites"].toArray();
    ASSERT_EQ(sprites.size(), 3);
    EXPECT_EQ(sprites[0].toObject()["name"].toString(), "\\UNITS\\ant");
    const QJsonObject bat = sprites[1].toObject();
    EXPECT_EQ(bat["name"].toString(), "\\UNITS\\BAT");
    EXPECT_EQ(QRect(bat["x"].toInt(), bat["y"].toInt(), bat["width"].toInt(), bat["height"].toInt()),
              QRect(80, 0, 4, 6));

    EXPECT_FALSE(exportSpriteSheet(f.temp.folder(), "\\NONE", f.disk("x.png"), {}, f.colours).ok());
}
