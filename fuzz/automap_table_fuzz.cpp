// AUTOMAP.DAT of any bytes, read and rewritten: setting the string of a
// square keeps every other line, and reading it afterwards finds the new text.
#include "core/automap/automap_table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    if (size < 2)
        return 0;
    const int x = std::int8_t(data[0]);
    const int y = std::int8_t(data[1]);
    const QByteArray bytes = fuzz::bytes(data + 2, size - 2);
    const TextFile table = TextFile::fromBytes(bytes);
    FUZZ_CHECK(table.toBytes() == bytes || !fuzz::endsLinesWithCrLf(bytes));
    const QString key = automapKey(x, y);
    const std::optional<QString> before = findAutomapString(table.lines, key);
    const QString text = QStringLiteral("fuzzed %1").arg(table.lines.size());
    const QStringList rewritten = withAutomapString(table.lines, key, text);
    FUZZ_CHECK(rewritten.size() == table.lines.size());
    const std::optional<QString> after = findAutomapString(rewritten, key);
    FUZZ_CHECK(after.has_value() == before.has_value());
    FUZZ_CHECK(!after || *after == text);
    for (qsizetype i = 0; i < rewritten.size(); ++i)
        FUZZ_CHECK(rewritten[i] == table.lines[i] || rewritten[i] == text);
    return 0;
}
