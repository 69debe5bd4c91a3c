#include "core/macro/macro_completion.h"
#include "core/macro/macro_lookup.h"
#include "core/macro/macro_search.h"

#include "print_text.h"
#include "support/temp_game_folder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

const QByteArray kHelp = "Macro commands\r\n"
                         "ARM           Arms the hero again.\r\n"
                         "ARM ?         Continues only if armed,\r\n"
                         "              or stops.\r\n"
                         "ENDLESS is no entry\r\n"
                         "  ITM - is indented, no entry\r\n"
                         "ITM + InventoryItemNumber\r\n"
                         "              Gives the hero one item.\r\n"
                         "WAV !WavFileHighPriority\r\n"
                         "              Plays a sound at once.\r\n"
                         "ARM           A second entry counts for nothing.\r\n";

struct MacroAssistFixture : ::testing::Test {
    TempGameFolder tmp;
    MacroGameDataCache cache;

    MacroAssistFixture()
    {
        tmp.write("HELP/CMDHelp.txt", kHelp);
        QByteArray items;
        for (int i = 1; i <= 12; ++i)
            items += " " + QByteArray::number(i) + " \r\nItem " + QByteArray::number(i) + "\r\n";
        tmp.write("GAMEDATA/ITMNAMES.DAT", items);
        tmp.write("GAMEDATA/GOALS.DAT", "Talk to the elder\r\nFind the key\r\nCross the marsh\r\n");
        for (const char *sound : {"chime.wav", "SPLASH.WAV", "anvil.wav", "notes.txt"})
            tmp.write(QStringLiteral("SOUNDS/") + sound, "RIFF");
    }
    const MacroGameData &data() { return *cache.dataFor(tmp.folder()); }
};

} // namespace

TEST_F(MacroAssistFixture, ReadsTheCommandHelpEntries)
{
    const CommandHelp &help = data().help;
    EXPECT_EQ(help.description(0), "Arms the hero again.");
    EXPECT_EQ(help.description(1), "Continues only if armed, or stops.");
    EXPECT_EQ(help.line(1), 2);
    EXPECT_EQ(help.description(19), "Gives the hero one item.");
    EXPECT_EQ(help.description(11), "") << "ENDLESS is not END's entry";
    EXPECT_EQ(help.description(18), "") << "an indented line starts no entry";
    EXPECT_EQ(CommandHelp().description(0), "");
}

TEST_F(MacroAssistFixture, CompletesCommandsAndTheValuesOfTheGamesData)
{
    struct Case {
        QString line;
        qsizetype column;
        QStringList inserts;
        qsizetype from;
    };
    const QList<Case> cases = {
        {"W", 1, {"WAV !", "WAV ", "WET ", "WET ?"}, 0},
        {"  it", 4, {"ITM - ", "ITM + ", "ITM & ", "ITM ~ ", "ITM # ", "ITM ! ", "ITM ? "}, 2},
        {"fix", 3, {"FIX ON", "FIX OFF"}, 0},
        {"ITM ", 4, {"- ", "+ ", "& ", "~ ", "# ", "! ", "? "}, 4},
        {"FIX O", 5, {"ON", "OFF"}, 4},
        {"VAR ", 4, {"+", "0", "? "}, 4},
        {"POS ", 4, {"s", "v", "i", "USE_MAGIC"}, 4},
        {"ITM + 1", 7, {"1", "10", "11", "12"}, 6},
        {"ITM ? 1 x", 7, {"1", "10", "11", "12"}, 6},
        {"WAV ", 4, {"!", "anvil", "chime", "SPLASH"}, 4},
        {"WAV !c", 6, {"chime"}, 5},
        {"POS s", 5, {"sanvil", "schime", "sSPLASH"}, 4},
        {"POS ss", 6, {"sSPLASH"}, 4},
        {"XXX 12 08 ", 10, {"0", "1", "2"}, 10},
        {"XXX 12 ", 7, {}, 0},
        {"ITM & ", 6, {}, 0},
        {"MSG 1 Hel", 9, {}, 0},
        {"' ITM ", 6, {}, 0},
        {"ITMX ", 5, {}, 0},
        {"QQQ ", 4, {}, 0},
    };
    for (const Case &c : cases) {
        const QList<CompletionEntry> entries = completeMacroLine(c.line, c.column, data());
        QStringList inserts;
        for (const CompletionEntry &entry : entries) {
            inserts.append(entry.insertText);
            EXPECT_EQ(entry.from, c.from) << c.line.toStdString();
        }
        EXPECT_EQ(inserts, c.inserts) << c.line.toStdString();
    }
    EXPECT_EQ(completeMacroLine(u"", 0, data()).size(), 54);
    const QList<CompletionEntry> arm = completeMacroLine(u"AR", 2, data());
    ASSERT_EQ(arm.size(), 2);
    EXPECT_EQ(arm[1].label, "ARM ?");
    EXPECT_EQ(arm[1].detail, "Continues only if armed, or stops.");
    EXPECT_EQ(completeMacroLine(u"BUB 5", 5, data()).first().detail, "Item 5");
    EXPECT_EQ(completeMacroLine(u"XXX 1 2 2", 9, data()).first().detail, "Cross the marsh");
    EXPECT_EQ(completeMacroLine(u"WAV c", 5, data()).first().detail, "SOUNDS\\chime.wav");
}

TEST_F(MacroAssistFixture, TellsAndFindsWhatAWordNames)
{
    struct Case {
        QString line;
        qsizetype column;
        QString hover;
        QString definitionPath;
        int definitionLine;
    };
    const QList<Case> cases = {
        {"ITM + 2", 6, "Item 2: Item 2", "GAMEDATA\\ITMNAMES.DAT", 3},
        {"ITM + 13", 7, "Item 13 is not in GAMEDATA\\ITMNAMES.DAT, which holds items 1 to 12.", "", -1},
        {"XXX 12 08 1", 10, "Goal 1: Find the key", "GAMEDATA\\GOALS.DAT", 1},
        {"XXX 12 08 3", 10, "Goal 3 is not in GAMEDATA\\GOALS.DAT, which holds goals 0 to 2.", "", -1},
        {"WAV !chime", 7, "SOUNDS\\chime.wav", "SOUNDS\\chime.wav", -1},
        {"POS ssplash", 6, "SOUNDS\\SPLASH.WAV", "SOUNDS\\SPLASH.WAV", -1},
        {"WAV bell", 5, "SOUNDS holds no sound bell.wav.", "", -1},
        {"arm ?", 1, "ARM ?\nContinues only if armed, or stops.", "", -1},
        {"ITM + 2", 4, "ITM + InventoryItemNumber\nGives the hero one item.", "", -1},
        {"FIX", 0, "FIX ON\n\nFIX OFF", "", -1},
        {"XXX 12 08 1", 5, "XX of XXX XX YY GoalPriorityNumber", "", -1},
        {"QQQ 1", 1, "", "", -1},
        {"' ITM + 2", 8, "", "", -1},
    };
    for (const Case &c : cases) {
        const std::optional<MacroHover> hover = hoverMacroLine(c.line, c.column, data());
        EXPECT_EQ(hover ? hover->text : QString(), c.hover) << c.line.toStdString();
        const std::optional<DefinitionTarget> target = definitionAt(c.line, c.column, data());
        EXPECT_EQ(target ? target->gamePath : QString(), c.definitionPath) << c.line.toStdString();
        EXPECT_EQ(target ? target->line : -1, c.definitionLine) << c.line.toStdString();
    }
}

TEST_F(MacroAssistFixture, ReadsTheFolderAgainOnlyWhenItsFilesChange)
{
    const std::shared_ptr<const MacroGameData> first = cache.dataFor(tmp.folder());
    EXPECT_EQ(cache.dataFor(tmp.folder()), first);
    tmp.write("GAMEDATA/GOALS.DAT", "Only one goal now\r\n");
    EXPECT_EQ(data().goals, QStringList{"Only one goal now"});
    tmp.write("SOUNDS/bell.wav", "RIFF");
    // A folder's time moves by the clock's tick; a designer's next file comes later than that.
    std::filesystem::last_write_time(tmp.disk("SOUNDS").toStdString(),
                                     std::filesystem::file_time_type::clock::now() + std::chrono::seconds(1));
    EXPECT_TRUE(data().findSound(u"BELL"));
    QFile::remove(tmp.disk("HELP/CMDHelp.txt"));
    EXPECT_EQ(data().help.description(0), "");
    EXPECT_EQ(completeMacroLine(u"ARM", 3, data()).first().label, "ARM");
}

TEST(MacroSearch, FindsRoundPastTheEndWithCaseAndWholeWords)
{
    const QString text = "itm ITM item\nITM";
    struct Case {
        QString needle;
        qsizetype from;
        FindOptions options;
        qsizetype start;
    };
    const QList<Case> cases = {
        {"itm", 0, {}, 0},
        {"itm", 1, {}, 4},
        {"ITM", 5, {true, false, false}, 13},
        {"ITM", 14, {true, false, false}, 4},
        {"itm", 5, {false, true, false}, 13},
        {"itm", 4, {false, false, true}, 0},
        {"itm", 0, {false, false, true}, 13},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findText(text, c.needle, c.from, c.options), (TextMatch{c.start, 3})) << c.from;
    EXPECT_FALSE(findText(text, u"", 0, {}));
    EXPECT_FALSE(findText(text, u"zz", 0, {}));
    EXPECT_TRUE(isAllowedReplacement(u"BUB"));
    EXPECT_FALSE(isAllowedReplacement(u"5%"));
}
