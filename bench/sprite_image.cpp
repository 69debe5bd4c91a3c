// Speed of the sprite image exchange: mapping a 40 x 40 image to the
// 256-colour palette (every pixel a new colour, the palette's own colours,
// and an exported indexed image), and a sheet of 5,000 sprites written as
// PNG with its description.
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_image_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tav;

namespace {

std::array<QRgb, 256> screenColours()
{
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 256; ++i)
        colours[static_cast<std::size_t>(i)] = qRgb(4 * (i % 64), 4 * ((i / 4) % 64), 4 * ((i * 7) % 64));
    return colours;
}

QImage imageOf(const std::function<QRgb(int, int)> &pixel)
{
    QImage image(40, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, pixel(x, y));
    return image;
}

void mapping(benchmark::State &state, const QImage &image)
{
    const SpriteColourMap colours(screenColours());
    for (auto _ : state) {
        ImageMapping mapped = mapImage(image, colours);
        benchmark::DoNotOptimize(mapped);
    }
}

void BM_MapImageOfDistinctColours(benchmark::State &state)
{
    mapping(state, imageOf([](int x, int y) { return qRgb(x * 6, y * 6, (x * y) % 256); }));
}
BENCHMARK(BM_MapImageOfDistinctColours)->Unit(benchmark::kMicrosecond);

void BM_MapImageOfPaletteColours(benchmark::State &state)
{
    const auto colours = screenColours();
    mapping(state, imageOf([&colours](int x, int y) { return colours[static_cast<std::size_t>(1 + (x + y) % 32)]; }));
}
BENCHMARK(BM_MapImageOfPaletteColours)->Unit(benchmark::kMicrosecond);

void BM_MapExportedIndexedImage(benchmark::State &state)
{
    CellGrid cells;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            cells.set(x, y, std::uint8_t((x * 37 + y * 11) % 256));
    mapping(state, spritePicture(cells, 40, 40, SpriteColourMap(screenColours())));
}
BENCHMARK(BM_MapExportedIndexedImage)->Unit(benchmark::kMicrosecond);

void BM_SheetOf5000Sprites(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/GRAFIK/MANY");
    for (int i = 0; i < 5000; ++i) {
        QByteArray pixels(1600, char(0));
        for (int p = 0; p < 1600; ++p)
            pixels[p] = char((p * 7 + i) % 256);
        QFile file(dir.path() + QStringLiteral("/GRAFIK/MANY/S%1.SPR").arg(i, 5, 10, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly))
            file.write(spriteFileBytes(40, 40, pixels));
    }
    const GameFolder folder(dir.path());
    const SpriteColourMap colours(screenColours());
    const QString sheet = dir.path() + "/sheet.png";
    for (auto _ : state) {
        const Result<SpriteSheet> written = exportSpriteSheet(folder, "\\MANY", sheet, SheetExport{}, colours);
        if (!written || written->cells.size() != 5000)
            state.SkipWithError("the sheet was not written");
    }
}
BENCHMARK(BM_SheetOf5000Sprites)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
