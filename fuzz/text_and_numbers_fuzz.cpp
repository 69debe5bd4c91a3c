// The text and number helpers on any bytes: a text file reads and writes
// back byte for byte, a number field written reads back as its number, and
// num/rnd never leave the finite range.
#include "core/common/number_field.h"
#include "core/common/windows1252.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const QByteArray input = fuzz::bytes(data, size);
    const QByteArray written = TextFile::fromBytes(input).toBytes();
    FUZZ_CHECK(written == input || !fuzz::endsLinesWithCrLf(input));
    FUZZ_CHECK(TextFile::fromBytes(written).toBytes() == written);
    FUZZ_CHECK(encode1252(decode1252(input)) == input);
    for (const QString &line : TextFile::fromBytes(input).lines) {
        FUZZ_CHECK(std::isfinite(num(line)));
        rnd(num(line));
        if (const std::optional<long long> value = parseNumberField(line))
            FUZZ_CHECK(parseNumberField(numberField(*value)) == *value);
        twoDigits(int(rnd(num(line)) % 1000));
    }
    if (size >= sizeof(long long)) {
        long long value = 0;
        std::memcpy(&value, data, sizeof value);
        FUZZ_CHECK(parseNumberField(numberField(value)) == value);
        double real = 0;
        std::memcpy(&real, data, sizeof real);
        rnd(real);
    }
    return 0;
}
