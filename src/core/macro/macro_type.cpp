#include "core/macro/macro_type.h"

#include "core/common/windows1252.h"
#include "core/macro/macro_file.h"

namespace tav {

MacroInfo classifyMacro(const QByteArray &contents)
{
    MacroInfo result;
    if (contents.isEmpty()) {
        result.type = kEmptyMacro;
        return result;
    }
    // The marks are plain ASCII, so the lines are looked at as bytes; only
    // the info comment is decoded.
    LineScanner scanner(contents, kMacroLoneCr);
    for (ScannedLine scanned; scanner.next(scanned);) {
        const QByteArrayView line = scanned.text;
        if (line.startsWith('%') || line.startsWith("POS v") || line.startsWith("POS s"))
            result.type = kMapMacro;
        if (line.startsWith("POS i"))
            result.type = kItemsMacro;
        if (line.startsWith("'!"))
            result.info = decode1252(line.sliced(2));
    }
    return result;
}

} // namespace tav
