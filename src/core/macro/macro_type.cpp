#include "core/macro/macro_type.h"

#include "core/macro/macro_file.h"

namespace tav {

MacroInfo classifyMacro(const QByteArray &contents)
{
    MacroInfo result;
    if (contents.isEmpty()) {
        result.type = kEmptyMacro;
        return result;
    }
    const QStringList lines = macroLines(contents);
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('%')) || line.startsWith(QLatin1String("POS v")) ||
            line.startsWith(QLatin1String("POS s")))
            result.type = kMapMacro;
        if (line.startsWith(QLatin1String("POS i")))
            result.type = kItemsMacro;
        if (line.startsWith(QLatin1String("'!")))
            result.info = line.mid(2);
    }
    return result;
}

} // namespace tav
