#include "core/macro/macro_line.h"

#include <gtest/gtest.h>

using namespace tav;
using K = FieldKind;

TEST(MacroLine, EveryPresetReadsAsItselfWithItsFieldKinds)
{
    const QList<PresetForm> &forms = presetForms();
    ASSERT_EQ(forms.size(), 54);
    for (int i = 0; i < forms.size(); ++i) {
        const QString text = commandPresets()[i];
        const MacroLine line = parseMacroLine(text);
        EXPECT_EQ(line.preset, i) << text.toStdString();
        ASSERT_EQ(line.fields.size(), forms[i].fields.size()) << text.toStdString();
        for (int f = 0; f < line.fields.size(); ++f) {
            EXPECT_EQ(line.fields[f].kind, forms[i].fields[f].kind) << text.toStdString();
            EXPECT_EQ(line.fields[f].text(text), forms[i].fields[f].text) << text.toStdString();
        }
    }
}

TEST(MacroLine, FindsThePresetAndTheFieldsOfALine)
{
    struct Case {
        QString line;
        LineKind kind;
        QString code;
        int preset;
        QList<std::pair<QString, K>> fields;
    };
    const QList<Case> cases = {
        {"  itm + 5", LineKind::Command, "ITM", 19, {{"+", K::Literal}, {"5", K::ItemNumber}}},
        {"ITM ? 12", LineKind::Command, "ITM", 24, {{"?", K::Literal}, {"12", K::ItemNumber}}},
        {"ITM & 12", LineKind::Command, "ITM", 20, {{"&", K::Literal}, {"12", K::MainItemNumber}}},
        {"BUB 7", LineKind::Command, "BUB", 5, {{"7", K::ItemNumber}}},
        {"WAV !chime", LineKind::Command, "WAV", 49, {{"!", K::Literal}, {"chime", K::SoundName}}},
        {"WAV chime", LineKind::Command, "WAV", 50, {{"chime", K::SoundName}}},
        {"POS schime", LineKind::Command, "POS", 34, {{"s", K::Literal}, {"chime", K::SoundName}}},
        {"POS s", LineKind::Command, "POS", 34, {{"s", K::Literal}, {"", K::SoundName}}},
        {"POS USE_MAGIC", LineKind::Command, "POS", 37, {{"USE_MAGIC", K::Literal}}},
        {"POS iRusty key", LineKind::Command, "POS", 36, {{"i", K::Literal}, {"Rusty key", K::Text}}},
        {"XXX 12 08 1", LineKind::Command, "XXX", 53, {{"12", K::Number}, {"08", K::Number}, {"1", K::GoalNumber}}},
        {"MSG 1 Hello,  you.", LineKind::Command, "MSG", 32, {{"1", K::Number}, {"Hello,  you.", K::Text}}},
        {"KIL EYE", LineKind::Command, "KIL", 25, {{"EYE", K::UnitName}}},
        {"PUT -01 180", LineKind::Command, "PUT", 39, {{"-01", K::Literal}, {"180", K::Number}}},
        {"FIX ON", LineKind::Command, "FIX", 14, {{"ON", K::Literal}}},
        {"end", LineKind::Command, "END", 11, {}},
        // Longer than every preset: read by the one that takes most of it.
        {"CAS 1 2", LineKind::Command, "CAS", 7, {{"1", K::Number}}},
        {"ITM x 5", LineKind::Command, "ITM", -1, {}},
        {"FIX on", LineKind::Command, "FIX", -1, {}},
        {"FIX", LineKind::Command, "FIX", -1, {}},
        {"ENDING", LineKind::Command, "END", -1, {}},
        {"QQQ 1 2", LineKind::Command, "QQQ", -1, {}},
        {"%map 1", LineKind::Preprocessor, "", -1, {}},
        {" '!info", LineKind::InfoComment, "", -1, {}},
        {"' note", LineKind::Comment, "", -1, {}},
        {"   ", LineKind::Empty, "", -1, {}},
    };
    for (const Case &c : cases) {
        const MacroLine line = parseMacroLine(c.line);
        EXPECT_EQ(line.kind, c.kind) << c.line.toStdString();
        EXPECT_EQ(line.code, c.code) << c.line.toStdString();
        EXPECT_EQ(line.preset, c.preset) << c.line.toStdString();
        QList<std::pair<QString, K>> fields;
        for (const MacroField &field : line.fields)
            fields.append({field.text(c.line).toString(), field.kind});
        EXPECT_EQ(fields, c.fields) << c.line.toStdString();
    }
}

TEST(MacroLine, GivesTheFieldUnderAColumn)
{
    const MacroLine wav = parseMacroLine(u"WAV !chime");
    EXPECT_EQ(wav.fieldAt(2), -1);
    EXPECT_EQ(wav.fieldAt(4), 0);
    EXPECT_EQ(wav.fieldAt(5), 1); // where the "!" and the name meet: the name
    EXPECT_EQ(wav.fieldAt(10), 1);
    EXPECT_EQ(wav.fieldAt(11), -1);
    EXPECT_EQ(parseMacroLine(u"ITM  +  5").fieldAt(7), -1);
}
