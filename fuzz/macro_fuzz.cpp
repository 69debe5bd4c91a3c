// Macro text of any bytes: formatting keeps the caret inside the text and a
// formatted body formats to itself; classification always names a type.
#include "core/common/windows1252.h"
#include "core/macro/macro_format.h"
#include "core/macro/macro_type.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const QByteArray contents = fuzz::bytes(data, size);
    const MacroInfo info = classifyMacro(contents);
    FUZZ_CHECK(info.type == kStandardMacro || info.type == kMapMacro || info.type == kItemsMacro ||
               info.type == kEmptyMacro);
    const QString body = decode1252(contents);
    const qsizetype caret = size == 0 ? 0 : qsizetype(data[0]) % (body.size() + 1);
    const FormattedBody formatted = formatBody(body, caret);
    FUZZ_CHECK(formatted.caret >= 0 && formatted.caret <= formatted.text.size());
    const FormattedBody again = formatBody(formatted.text, formatted.caret);
    FUZZ_CHECK(again.text == formatted.text);
    FUZZ_CHECK(again.droppedPercents.isEmpty());
    const int preset = presetForCaret(body, caret);
    FUZZ_CHECK(preset >= -1);
    const FormattedBody inserted = insertPreset(body, caret, QStringLiteral("TXT Hello"));
    FUZZ_CHECK(inserted.caret >= 0 && inserted.caret <= inserted.text.size());
    return 0;
}
