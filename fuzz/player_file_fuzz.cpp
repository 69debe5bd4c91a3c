// PLAYER.STS of any bytes: whatever loads saves as 138 lines, and those lines
// load into a state that saves the very same lines. The one exception is the
// format's own: a count below 0 is saved unchanged but read one higher.
#include "core/common/number_field.h"
#include "core/savegame/player_file.h"
#include "fuzz_support.h"

namespace {

bool isCountLine(int lineNumber)
{
    return lineNumber >= 4 && lineNumber <= 82 && lineNumber % 2 == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    PlayerState state;
    applyPlayerFileLines(fuzz::lines(data, size), state);
    const QStringList saved = playerFileLines(state);
    FUZZ_CHECK(saved.size() == kPlayerFileLines);
    PlayerState again;
    applyPlayerFileLines(saved, again);
    const QStringList savedAgain = playerFileLines(again);
    for (int i = 0; i < kPlayerFileLines; ++i) {
        if (savedAgain[i] == saved[i])
            continue;
        const std::optional<long long> before = parseNumberField(saved[i]);
        const std::optional<long long> after = parseNumberField(savedAgain[i]);
        FUZZ_CHECK(isCountLine(i + 1) && before && after && *before < 0 && *after == *before + 1);
    }
    return 0;
}
