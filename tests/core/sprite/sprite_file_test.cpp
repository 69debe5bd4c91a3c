#include "core/sprite/sprite_file.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

QByteArray header(qint16 widthField, qint16 height)
{
    QByteArray bytes("TAVSPR\x01", 7);
    bytes.append(char(widthField & 0xFF)).append(char((widthField >> 8) & 0xFF));
    bytes.append(char(height & 0xFF)).append(char((height >> 8) & 0xFF));
    return bytes;
}

} // namespace

TEST(SpriteFile, WritesTheHeaderSizeFieldsAndRowsExactly)
{
    const QByteArray pixels("\x01\x02\x03\x04\x05\x06", 6);
    EXPECT_EQ(spriteFileBytes(3, 2, pixels), QByteArray("TAVSPR\x01\x18\x00\x02\x00\x01\x02\x03\x04\x05\x06", 17));

    CellGrid cells;
    cells.set(0, 0, 1);
    cells.set(2, 0, 3);
    cells.set(0, 1, 4);
    cells.set(2, 1, 6);
    cells.set(3, 0, 99); // outside the 3 x 2 sprite
    EXPECT_EQ(rowPixels(cells, 3, 2), QByteArray("\x01\x00\x03\x04\x00\x06", 6));
}

TEST(SpriteFile, AFull40By40FileRoundTrips)
{
    CellGrid cells;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            cells.set(x, y, std::uint8_t(x * 7 + y * 3));
    const QByteArray bytes = spriteFileBytes(40, 40, rowPixels(cells, 40, 40));
    ASSERT_EQ(bytes.size(), 1611);
    EXPECT_EQ(bytes.mid(7, 4), QByteArray("\x40\x01\x28\x00", 4)); // width field 320, height 40
    EXPECT_EQ(std::uint8_t(bytes[11]), cells.at(0, 0));
    EXPECT_EQ(std::uint8_t(bytes[1610]), cells.at(39, 39));

    const SpriteFileContents read = parseSpriteFile(bytes);
    EXPECT_EQ(read.width, 40);
    EXPECT_EQ(read.height, 40);
    EXPECT_FALSE(read.isCut());
    EXPECT_FALSE(read.pixelsMissing);
    EXPECT_EQ(read.pixels, cells);
    EXPECT_EQ(dimensionText(read), "40 x 40");
}

TEST(SpriteFile, AWidthFieldNotAMultipleOfEightIsCutDown)
{
    QByteArray bytes = header(75, 2);
    for (int i = 0; i < 18; ++i)
        bytes.append(char(i + 1));
    const SpriteFileContents read = parseSpriteFile(bytes);
    EXPECT_EQ(read.width, 9);
    EXPECT_EQ(read.height, 2);
    EXPECT_EQ(read.pixels.at(8, 0), 9);
    EXPECT_EQ(read.pixels.at(0, 1), 10);
    EXPECT_EQ(read.pixels.at(9, 0), 0);
}

TEST(SpriteFile, ShortFilesNeverReadPastTheEnd)
{
    // Shorter than the header: a 0 x 0 sprite.
    for (const QByteArray &bytes : {QByteArray(), QByteArray("TAVSPR\x01\x08\x00\x01", 10)}) {
        const SpriteFileContents read = parseSpriteFile(bytes);
        EXPECT_EQ(read.width, 0);
        EXPECT_EQ(read.height, 0);
        EXPECT_EQ(dimensionText(read), "0 x 0");
    }
    // Pixels missing at the end read as index 0 and are reported.
    QByteArray bytes = header(4 * 8, 2);
    bytes.append("\x05\x06\x07", 3);
    const SpriteFileContents read = parseSpriteFile(bytes);
    EXPECT_EQ(read.width, 4);
    EXPECT_EQ(read.pixels.at(2, 0), 7);
    EXPECT_EQ(read.pixels.at(3, 0), 0);
    EXPECT_EQ(read.pixels.at(0, 1), 0);
    EXPECT_TRUE(read.pixelsMissing);
    EXPECT_EQ(dimensionText(read), "4 x 2 (file too short)");
}

TEST(SpriteFile, LargeNegativeAndAbsurdSizesAreCutToTheGrid)
{
    // 100 x 50: rows keep their real length, only the top-left 40 x 40 is taken.
    QByteArray big = header(100 * 8, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            big.append(char((x + y) % 256));
    SpriteFileContents read = parseSpriteFile(big);
    EXPECT_EQ(read.statedWidth, 100);
    EXPECT_EQ(read.width, 40);
    EXPECT_EQ(read.height, 40);
    EXPECT_EQ(read.pixels.at(39, 1), 40);
    EXPECT_EQ(read.pixels.at(0, 39), 39);
    EXPECT_TRUE(read.isCut());
    EXPECT_EQ(dimensionText(read), "100 x 50 (cut to 40 x 40)");

    read = parseSpriteFile(header(-16, -3) + QByteArray(8, '\x09'));
    EXPECT_EQ(read.width, 0);
    EXPECT_EQ(read.height, 0);
    EXPECT_EQ(dimensionText(read), "-2 x -3 (cut to 0 x 0)");

    read = parseSpriteFile(header(32767, 32767) + QByteArray(5, '\x09'));
    EXPECT_EQ(read.width, 40);
    EXPECT_EQ(read.height, 40);
    EXPECT_EQ(read.pixels.at(4, 0), 9);
    EXPECT_EQ(read.pixels.at(5, 0), 0);
    EXPECT_EQ(read.pixels.at(0, 1), 0);
    EXPECT_TRUE(read.pixelsMissing);
}

TEST(SpriteFile, WritingRefusesSizesAndPixelCountsThatDoNotFit)
{
    test::TempGameFolder tmp;
    const QString path = tmp.disk("ORC.SPR");
    EXPECT_FALSE(writeSpriteFile(path, 0, 1, QByteArray()));
    EXPECT_FALSE(writeSpriteFile(path, 41, 1, QByteArray(41, '\0')));
    EXPECT_FALSE(writeSpriteFile(path, 2, 2, QByteArray(3, '\0')));
    EXPECT_FALSE(tmp.exists("ORC.SPR"));
    EXPECT_TRUE(writeSpriteFile(path, 2, 2, QByteArray(4, '\x07')));
    EXPECT_EQ(tmp.read("ORC.SPR"), spriteFileBytes(2, 2, QByteArray(4, '\x07')));
    EXPECT_FALSE(readSpriteFile(tmp.disk("MISSING.SPR")));
}

TEST(SpriteFile, EveryFallbackOfTheReaderIsSaidAndASoundFileHasNone)
{
    const struct {
        QByteArray bytes;
        const char *said;
    } cases[] = {
        {QByteArray("TAVSPR\x01\x08", 8), "8 bytes long, shorter than its 11-byte header"},
        {header(4 * 8, 2) + QByteArray(3, '\x05'), "ends before its last pixel (3 of 8 pixel bytes"},
        {header(41 * 8, 2) + QByteArray(82, '\x05'), "size 41 x 2 is beyond 40 x 40"},
        {header(75, 1) + QByteArray(9, '\x05'), "width field 75 is not a multiple of 8"},
        {header(0, 3), "size 0 x 3 is not 1 to 40"},
    };
    for (const auto &c : cases) {
        const QString fallback = parseSpriteFile(c.bytes).fallback;
        EXPECT_TRUE(fallback.contains(QLatin1String(c.said))) << fallback.toStdString();
    }
    EXPECT_EQ(parseSpriteFile(header(2 * 8, 1) + "\x01\x02").fallback, QString());
}
