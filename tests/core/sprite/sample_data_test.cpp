// The bundled sample game folder's palette and sprites are made from the
// ramp and pixel-art descriptions in tests/data/sprite/art. This test
// rebuilds them and compares; run it with TAV_WRITE_SAMPLES=1 to write them.
#include "core/common/file_io.h"
#include "core/common/number_field.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_file.h"

#include "support/temp_game_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <gtest/gtest.h>

using namespace tav;

namespace {

const QString kArtDir = QStringLiteral(TAV_TEST_DATA_DIR "/sprite/art");
const QString kSampleDir = QStringLiteral(TAV_SOURCE_DIR "/sample");

QStringList meaningfulLines(const QString &fileName)
{
    QStringList lines;
    for (const QByteArray &raw : test::fixture(QStringLiteral("sprite/art/") + fileName).split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines << line;
    }
    return lines;
}

QByteArray paletteFromRamps()
{
    std::array<std::array<int, 3>, PaletteFile::kColours> components{};
    std::array<bool, PaletteFile::kColours> given{};
    for (const QString &line : meaningfulLines(QStringLiteral("MASTER.ramps"))) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(f.size(), 8) << line.toStdString();
        if (f.size() != 8)
            continue;
        const int first = f[0].toInt();
        const int last = f[1].toInt();
        for (int i = first; i <= last; ++i) {
            const double t = last == first ? 0.0 : double(i - first) / (last - first);
            for (int c = 0; c < 3; ++c) {
                const int from = f[2 + c].toInt();
                const int to = f[5 + c].toInt();
                components[i][c] = int(rnd(from + (to - from) * t));
            }
            EXPECT_FALSE(given[i]) << "index " << i << " given twice";
            given[i] = true;
        }
    }
    for (int i = 0; i < PaletteFile::kColours; ++i)
        EXPECT_TRUE(given[i]) << "index " << i << " has no colour";
    return paletteFileBytes(components);
}

struct Art {
    QString target;
    QByteArray fileBytes;
};

Art spriteFromArt(const QString &fileName)
{
    Art art;
    QHash<QChar, int> legend{{QLatin1Char('.'), 0}};
    QStringList rows;
    bool inArt = false;
    for (const QString &line : meaningfulLines(fileName)) {
        if (inArt)
            rows << line;
        else if (line == QLatin1String("art"))
            inArt = true;
        else if (line.startsWith(QLatin1String("file ")))
            art.target = line.mid(5);
        else
            legend.insert(line.at(0), line.mid(2).toInt());
    }
    EXPECT_FALSE(rows.isEmpty()) << fileName.toStdString();
    QByteArray pixels;
    for (const QString &row : rows) {
        EXPECT_EQ(row.size(), rows.first().size()) << fileName.toStdString();
        for (QChar c : row) {
            EXPECT_TRUE(legend.contains(c)) << fileName.toStdString() << ": no colour for " << c.toLatin1();
            pixels.append(char(legend.value(c)));
        }
    }
    art.fileBytes = spriteFileBytes(int(rows.first().size()), int(rows.size()), pixels);
    return art;
}

// Compares a sample file with what it is made from, or writes it.
void checkSample(const QString &gamePath, const QByteArray &expected)
{
    const QString disk = kSampleDir + QLatin1Char('/') + QString(gamePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (qEnvironmentVariableIsSet("TAV_WRITE_SAMPLES")) {
        QDir().mkpath(QFileInfo(disk).path());
        ASSERT_TRUE(writeFileAtomically(disk, expected)) << disk.toStdString();
        return;
    }
    const Result<QByteArray> actual = readWholeFile(disk);
    ASSERT_TRUE(actual) << actual.error().toStdString();
    EXPECT_EQ(actual.value(), expected) << gamePath.toStdString() << " differs from its description";
}

} // namespace

TEST(SampleData, ThePaletteMatchesItsRampsAndReadsInFull)
{
    const QByteArray bytes = paletteFromRamps();
    checkSample(QStringLiteral("GAMEDATA\\MASTER.PAL"), bytes);
    const PaletteFile palette = parsePaletteFile(bytes);
    EXPECT_TRUE(palette.complete());
    EXPECT_EQ(palette.colours[0], qRgb(0, 0, 0));
    EXPECT_EQ(palette.colours[15], qRgb(252, 252, 252));
}

TEST(SampleData, EverySampleSpriteMatchesItsArtAndFitsTheEditor)
{
    const QStringList arts = QDir(kArtDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(arts.isEmpty());
    for (const QString &fileName : arts) {
        const Art art = spriteFromArt(fileName);
        ASSERT_TRUE(art.target.startsWith(QLatin1String("GRAFIK\\"))) << fileName.toStdString();
        checkSample(art.target, art.fileBytes);
        const SpriteFileContents contents = parseSpriteFile(art.fileBytes);
        EXPECT_FALSE(contents.isCut()) << fileName.toStdString();
        EXPECT_FALSE(contents.pixelsMissing) << fileName.toStdString();
    }
}
