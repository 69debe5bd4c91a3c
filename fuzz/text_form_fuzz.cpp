// Dump and load of any bytes, all in memory (load's check too). The first
// byte picks a format (or, past the last one, takes the rest as the JSON
// given to load); the rest is the file.
// - What the format's reader takes, dump takes: one save of it reaches the
//   file's final form (dumpBytes itself refuses a form a second save would
//   change again).
// - "normalised" is empty exactly when that one save writes the file's bytes.
// - What dump gives, load takes back, and writes as that save does.
// - JSON that load takes dumps back as the same fields, in the kit's form.
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
        checkerErrors(*format, bytes.value());
        const tav::Result<QJsonObject> again = dumpBytes(*format, bytes.value());
        FUZZ_CHECK(again.ok());
        FUZZ_CHECK(dumpFields(*format, again.value()) == dumpFields(*format, dump.value()));
        FUZZ_CHECK(again->value(QStringLiteral("normalised")).toArray().isEmpty());
        return 0;
    }
    const TextFormat &format = *formats[qsizetype(pick)];
    const tav::Result<QJsonObject> dump = dumpBytes(format, rest);
    if (!dump) {
        FUZZ_CHECK(!format.read(rest).ok());
        return 0;
    }
    const tav::Result<QByteArray> loaded = bytesFromDump(dump.value());
    FUZZ_CHECK(loaded.ok());
    FUZZ_CHECK(dump->value(QStringLiteral("normalised")).toArray().isEmpty() == (loaded.value() == rest));
    checkerErrors(format, loaded.value());
    return 0;
}
