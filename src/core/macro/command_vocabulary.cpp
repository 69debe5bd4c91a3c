#include "core/macro/command_vocabulary.h"

namespace tav {

const QStringList &commandPresets()
{
    static const QStringList presets = {
        QStringLiteral("ARM"),
        QStringLiteral("ARM ?"),
        QStringLiteral("BLK"),
        QStringLiteral(">>>"),
        QStringLiteral("<<<"),
        QStringLiteral("BUB ItemNumber"),
        QStringLiteral("CAS"),
        QStringLiteral("CAS EventNumber"),
        QStringLiteral("DBG"),
        QStringLiteral("DIE"),
        QStringLiteral("DIR direction"),
        QStringLiteral("END"),
        QStringLiteral("EVT EventNumber"),
        QStringLiteral("EXP XX YY"),
        QStringLiteral("FIX ON"),
        QStringLiteral("FIX OFF"),
        QStringLiteral("GND Texture"),
        QStringLiteral("HRT Modifier"),
        QStringLiteral("ITM - InventoryItemNumber"),
        QStringLiteral("ITM + InventoryItemNumber"),
        QStringLiteral("ITM & MainItemNumber"),
        QStringLiteral("ITM ~ XX YY"),
        QStringLiteral("ITM # XX YY MainItemNumber"),
        QStringLiteral("ITM ! InventoryItemNumber"),
        QStringLiteral("ITM ? InventoryItemNumber"),
        QStringLiteral("KIL String"),
        QStringLiteral("MAG Modifier"),
        QStringLiteral("MAT XX YY OO AAAA BBBB String"),
        QStringLiteral("MAT ? XX YY String"),
        QStringLiteral("MNY + AmountOfMoney"),
        QStringLiteral("MNY - AmountOfMoney"),
        QStringLiteral("MNY ? AmountOfMoney"),
        QStringLiteral("MSG C MessageText"),
        QStringLiteral("NOT"),
        QStringLiteral("POS sSoundFile"),
        QStringLiteral("POS vHeroAnimation"),
        QStringLiteral("POS iItemInITEMS_CMD"),
        QStringLiteral("POS USE_MAGIC"),
        QStringLiteral("PUT XXX YYY"),
        QStringLiteral("PUT -01 XXX YYY"),
        QStringLiteral("QAK NumberOfFramesToShake"),
        QStringLiteral("RND NumberOfLines"),
        QStringLiteral("SHT XX YY NN D"),
        QStringLiteral("SMK XXX YYY"),
        QStringLiteral("SPK MatrixPointer"),
        QStringLiteral("VAR +"),
        QStringLiteral("VAR 0"),
        QStringLiteral("VAR ? Value"),
        QStringLiteral("VID A LLL FileNamePrefix"),
        QStringLiteral("WAV !WavFileHighPriority"),
        QStringLiteral("WAV WavFileLowPriority"),
        QStringLiteral("WET WeatherDescriptionNumber"),
        QStringLiteral("WET ?"),
        QStringLiteral("XXX XX YY GoalPriorityNumber"),
    };
    return presets;
}

QStringView commandCode(QStringView text)
{
    return text.left(3);
}

int firstPresetWithCode(QStringView code)
{
    if (code.size() != 3)
        return -1;
    const QStringList &presets = commandPresets();
    for (int i = 0; i < presets.size(); ++i)
        if (commandCode(presets[i]) == code)
            return i;
    return -1;
}

} // namespace tav
