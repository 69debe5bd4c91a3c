#include "core/macro/command_vocabulary.h"

#include <QSet>

namespace tav {
namespace {

using K = FieldKind;

PresetField op(const char *text)
{
    return {K::Literal, QString::fromLatin1(text), false, false};
}

PresetField prefix(const char *text)
{
    return {K::Literal, QString::fromLatin1(text), true, false};
}

PresetField field(FieldKind kind, const char *hint)
{
    return {kind, QString::fromLatin1(hint), false, false};
}

PresetField rest(FieldKind kind, const char *hint)
{
    return {kind, QString::fromLatin1(hint), false, true};
}

PresetForm form(const char *code, QList<PresetField> fields = {})
{
    return {QString::fromLatin1(code), std::move(fields)};
}

} // namespace

QString PresetForm::text() const
{
    QString text = code;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i == 0 || !fields[i - 1].joined)
            text += QLatin1Char(' ');
        text += fields[i].text;
    }
    return text;
}

const QList<PresetForm> &presetForms()
{
    static const QList<PresetForm> forms = {
        form("ARM"),
        form("ARM", {op("?")}),
        form("BLK"),
        form(">>>"),
        form("<<<"),
        form("BUB", {field(K::ItemNumber, "ItemNumber")}),
        form("CAS"),
        form("CAS", {field(K::Number, "EventNumber")}),
        form("DBG"),
        form("DIE"),
        form("DIR", {field(K::Number, "direction")}),
        form("END"),
        form("EVT", {field(K::Number, "EventNumber")}),
        form("EXP", {field(K::Number, "XX"), field(K::Number, "YY")}),
        form("FIX", {op("ON")}),
        form("FIX", {op("OFF")}),
        form("GND", {field(K::Number, "Texture")}),
        form("HRT", {field(K::Number, "Modifier")}),
        form("ITM", {op("-"), field(K::ItemNumber, "InventoryItemNumber")}),
        form("ITM", {op("+"), field(K::ItemNumber, "InventoryItemNumber")}),
        form("ITM", {op("&"), field(K::MainItemNumber, "MainItemNumber")}),
        form("ITM", {op("~"), field(K::Number, "XX"), field(K::Number, "YY")}),
        form("ITM",
             {op("#"), field(K::Number, "XX"), field(K::Number, "YY"), field(K::MainItemNumber, "MainItemNumber")}),
        form("ITM", {op("!"), field(K::ItemNumber, "InventoryItemNumber")}),
        form("ITM", {op("?"), field(K::ItemNumber, "InventoryItemNumber")}),
        form("KIL", {rest(K::UnitName, "String")}),
        form("MAG", {field(K::Number, "Modifier")}),
        form("MAT", {field(K::Number, "XX"), field(K::Number, "YY"), field(K::Number, "OO"), field(K::Number, "AAAA"),
                     field(K::Number, "BBBB"), rest(K::Text, "String")}),
        form("MAT", {op("?"), field(K::Number, "XX"), field(K::Number, "YY"), rest(K::Text, "String")}),
        form("MNY", {op("+"), field(K::Number, "AmountOfMoney")}),
        form("MNY", {op("-"), field(K::Number, "AmountOfMoney")}),
        form("MNY", {op("?"), field(K::Number, "AmountOfMoney")}),
        form("MSG", {field(K::Number, "C"), rest(K::Text, "MessageText")}),
        form("NOT"),
        form("POS", {prefix("s"), field(K::SoundName, "SoundFile")}),
        form("POS", {prefix("v"), field(K::Word, "HeroAnimation")}),
        form("POS", {prefix("i"), rest(K::Text, "ItemInITEMS_CMD")}),
        form("POS", {op("USE_MAGIC")}),
        form("PUT", {field(K::Number, "XXX"), field(K::Number, "YYY")}),
        form("PUT", {op("-01"), field(K::Number, "XXX"), field(K::Number, "YYY")}),
        form("QAK", {field(K::Number, "NumberOfFramesToShake")}),
        form("RND", {field(K::Number, "NumberOfLines")}),
        form("SHT", {field(K::Number, "XX"), field(K::Number, "YY"), field(K::Number, "NN"), field(K::Number, "D")}),
        form("SMK", {field(K::Number, "XXX"), field(K::Number, "YYY")}),
        form("SPK", {field(K::Number, "MatrixPointer")}),
        form("VAR", {op("+")}),
        form("VAR", {op("0")}),
        form("VAR", {op("?"), field(K::Number, "Value")}),
        form("VID", {field(K::Number, "A"), field(K::Number, "LLL"), field(K::Word, "FileNamePrefix")}),
        form("WAV", {prefix("!"), field(K::SoundName, "WavFileHighPriority")}),
        form("WAV", {field(K::SoundName, "WavFileLowPriority")}),
        form("WET", {field(K::Number, "WeatherDescriptionNumber")}),
        form("WET", {op("?")}),
        form("XXX", {field(K::Number, "XX"), field(K::Number, "YY"), field(K::GoalNumber, "GoalPriorityNumber")}),
    };
    return forms;
}

const QStringList &commandPresets()
{
    static const QStringList presets = [] {
        QStringList texts;
        for (const PresetForm &form : presetForms())
            texts.append(form.text());
        return texts;
    }();
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
    const QList<PresetForm> &forms = presetForms();
    for (int i = 0; i < forms.size(); ++i)
        if (forms[i].code == code)
            return i;
    return -1;
}

bool isKnownCommandCode(QStringView code)
{
    // Looked up for every line of a macro: once in a set.
    static const QSet<QString> codes = [] {
        QSet<QString> set;
        for (const PresetForm &form : presetForms())
            set.insert(form.code);
        return set;
    }();
    return codes.contains(code.toString());
}

} // namespace tav
