// A .UNI file of any bytes: what reads completely writes 12 lines that read
// back as the same unit.
#include "core/enemy/unit_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav::enemy;
    const UnitReading read = parseUnitFile(tav::fuzz::lines(data, size));
    FUZZ_CHECK(read.linesRead >= 0 && read.linesRead <= kUnitFileLines);
    FUZZ_CHECK(read.complete() || !read.error.isEmpty());
    if (!read.complete() || read.teleportingKept)
        return 0;
    const QStringList written = unitFileLines(read.unit);
    FUZZ_CHECK(written.size() == kUnitFileLines);
    const UnitReading again = parseUnitFile(written);
    FUZZ_CHECK(again.complete());
    FUZZ_CHECK(again.unit == read.unit);
    return 0;
}
