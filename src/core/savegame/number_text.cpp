#include "core/savegame/number_text.h"

#include "core/common/number_field.h"

namespace tav {

NumberTextCheck checkNumberText(const QString &text, int upperBound)
{
    NumberTextCheck check{text, std::nullopt};
    if (num(check.text) > upperBound)
        check.text = QString::number(upperBound);
    if (num(check.text) < 0)
        check.text = QStringLiteral("0");
    bool whole = false;
    const int value = check.text.trimmed().toInt(&whole);
    if (whole && value >= 0 && value <= upperBound)
        check.value = value;
    return check;
}

} // namespace tav
