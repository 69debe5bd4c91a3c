// Dump and load of any bytes. The first byte picks a format (or, past the
// last one, takes the rest as the JSON given to load); the rest is the file.
// What dumps loads back, and the dump of what load wrote is the same JSON;
// JSON that load takes dumps back as the same fields.
#include "core/textform/text_form.h"
#include "fuzz_support.h"

#include <QJsonArray>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav::textform;
    if (size == 0)
        return 0;
    const QList<const TextFormat *> &formats = textFormats();
    const std::size_t pick = data[0] % std::size_t(formats.size() + 1);
    const QByteArray rest = tav::fuzz::bytes(data + 1, size - 1);
    if (pick == std::size_t(formats.size())) {
        const tav::Result<QJsonObject> dump = parseDump(rest);
        if (!dump)
            return 0;
        const TextFormat *format = nullptr;
        const tav::Result<QByteArray> bytes = bytesFromDump(dump.value(), &format);
        if (!bytes)
            return 0;
        const tav::Result<QJsonObject> again = dumpBytes(*format, bytes.value());
        FUZZ_CHECK(again.ok());
        FUZZ_CHECK(dumpFields(*format, again.value()) == dumpFields(*format, dump.value()));
        FUZZ_CHECK(again->value(QStringLiteral("normalised")).toArray().isEmpty());
        return 0;
    }
    const TextFormat &format = *formats[qsizetype(pick)];
    const tav::Result<QJsonObject> dump = dumpBytes(format, rest);
    if (!dump)
        return 0;
    const tav::Result<QByteArray> loaded = bytesFromDump(dump.value());
    FUZZ_CHECK(loaded.ok());
    FUZZ_CHECK(dump->value(QStringLiteral("normalised")).toArray().isEmpty() == (loaded.value() == rest));
    const tav::Result<QJsonObject> again = dumpBytes(format, loaded.value());
    FUZZ_CHECK(again.ok());
    QJsonObject expected = dump.value();
    expected[QStringLiteral("normalised")] = QJsonArray();
    FUZZ_CHECK(again.value() == expected);
    return 0;
}
