// MASTER.PAL as JSON: 256 colours of three components 0-63.
#include "core/sprite/palette_file.h"
#include "core/textform/formats.h"
#include "core/textform/json_fields.h"

#include <QJsonArray>

namespace tav::textform {
namespace {

const QString kColours = QStringLiteral("colours");

class PaletteFormat : public NamedTextFormat {
public:
    PaletteFormat()
        : NamedTextFormat(QStringLiteral("palette"), {QStringLiteral("MASTER.PAL")},
                          QStringLiteral("GAMEDATA\\MASTER.PAL"))
    {
    }

    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        const PaletteFile palette = parsePaletteFile(bytes);
        if (!palette.complete())
            return Result<QJsonObject>::failure(palette.problem);
        if (!palette.componentsOutOfRange.isEmpty()) {
            const PaletteFile::Component &first = palette.componentsOutOfRange.first();
            return Result<QJsonObject>::failure(
                QStringLiteral("line %1: the component %2 is outside 0-63").arg(first.line).arg(first.value));
        }
        QJsonArray colours;
        for (const PalEntry &entry : palette.entries)
            colours.append(QJsonArray{entry.red / 4, entry.green / 4, entry.blue / 4});
        return QJsonObject{{kColours, colours}};
    }

    QByteArray write(const QJsonObject &fields) const override
    {
        const QJsonArray colours = arrayAt(fields, kColours, PaletteFile::kColours, PaletteFile::kColours);
        std::array<std::array<int, 3>, PaletteFile::kColours> components{};
        for (int i = 0; i < PaletteFile::kColours; ++i) {
            atElement(kColours, i, [&] {
                const QJsonArray rgb = arrayValue(colours[i], QString(), 3, 3);
                for (int c = 0; c < 3; ++c)
                    components[std::size_t(i)][std::size_t(c)] =
                        int(atElement(QString(), c, [&] { return integerValue(rgb[c], QString(), 0, 63); }));
            });
        }
        return paletteFileBytes(components);
    }
};

} // namespace

const TextFormat &paletteFormat()
{
    static const PaletteFormat format;
    return format;
}

} // namespace tav::textform
