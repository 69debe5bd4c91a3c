// Unit files (.UNI) as JSON: the twelve lines under their names, with the
// values the file stores.
#include "core/enemy/unit_fields.h"
#include "core/enemy/unit_file.h"
#include "core/textform/line_table_format.h"

namespace tav::textform {
namespace {

class UnitFormat : public LineTableFormat {
public:
    UnitFormat()
        : LineTableFormat(QStringLiteral("unit"), {QStringLiteral(".UNI")}, QStringLiteral("GAMEDATA\\UNITS\\UNIT.UNI"))
    {
    }

    int longestBaseName() const override { return 8; }

protected:
    const LineFieldTable &table() const override { return enemy::unitFileFields(); }

    Result<QStringList> writtenLines(const QStringList &lines, int *refusedLine) const override
    {
        const enemy::UnitReading reading = enemy::parseUnitFile(lines);
        *refusedLine = reading.linesRead + 1;
        if (!reading.complete())
            return Result<QStringList>::failure(reading.error);
        return enemy::unitFileLines(reading.unit);
    }
};

} // namespace

const TextFormat &unitFormat()
{
    static const UnitFormat format;
    return format;
}

} // namespace tav::textform
