#include "core/definitions/animation_frames.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/people_file.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(IdleSoundEntry, TextShowsTheFrameWithTwoDigitsAndParsesBack)
{
    const IdleSound elder{"ELDER", 4, "COUGH"};
    EXPECT_EQ(idleSoundEntryText(elder), "Person 'ELDER' plays sound 'COUGH' in frame 04");
    EXPECT_EQ(parseIdleSoundEntry(idleSoundEntryText(elder)), elder);
    EXPECT_FALSE(parseIdleSoundEntry("Person 'ELDER' plays sound 'COUGH").has_value());

    const IdleSound smith{"SMITH", 12, "ANVIL"};
    EXPECT_EQ(idleSoundEntryText(smith), "Person 'SMITH' plays sound 'ANVIL' in frame 12");
    EXPECT_EQ(parseIdleSoundEntry(idleSoundEntryText(smith)), smith);
}

TEST(IdleSoundEntry, WrittenFieldsAreTheFieldsTheTextGivesBack)
{
    // Whatever the list shows, the file holds what reading the entry text would give.
    const QList<IdleSound> sounds = {{"  ELDER ", 0, "COUGH"}, {"A", 9, "B C"}, {QString::fromUtf8("MÖNCH"), 10, "X"}};
    for (const IdleSound &sound : sounds) {
        const std::optional<IdleSound> back = parseIdleSoundEntry(idleSoundEntryText(sound));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(idleSoundLines({*back}), idleSoundLines({sound}));
    }
    EXPECT_EQ(idleSoundLines({sounds[0]}), QStringList({"ELDER", " 0 ", "COUGH"}));
}

TEST(IdleSoundChoice, KeyAndSoundAreStoredInUpperCaseWithoutTheExtension)
{
    EXPECT_EQ(chosenIdleSound("child", "giggle.wav", 4), (IdleSound{"CHILD", 4, "GIGGLE"}));
    EXPECT_EQ(chosenIdleSound("Guard", "SPLASH.WAV", 0), (IdleSound{"GUARD", 0, "SPLASH"}));
    // Only capitals the code page has: 'ÿ' becomes 'Ÿ', 'µ' and 'ß' stay.
    EXPECT_EQ(storedName(QString::fromUtf8("éÿµß")), QString::fromUtf8("ÉŸµß"));
}

TEST(IdleSoundFile, ReadsCompleteRecordsAndRewriteDropsTheIncompleteOne)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/DEF_PIDL.DAT", test::fixture("definitions/def_pidl_incomplete.DAT"));
    const Result<QList<IdleSound>> sounds = readIdleSounds(tmp.folder());
    ASSERT_TRUE(sounds.ok());
    ASSERT_EQ(sounds->size(), 2);
    EXPECT_EQ(sounds->at(0), (IdleSound{"elder", 4, "cough"}));
    EXPECT_EQ(sounds->at(1), (IdleSound{"  SMITH  ", 12, "ANVIL"}));

    ASSERT_TRUE(writeIdleSounds(tmp.folder(), sounds.value()));
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "elder\r\n 4 \r\ncough\r\nSMITH\r\n 12 \r\nANVIL\r\n");
}

TEST(IdleSoundFile, FramesKeepTheirValue)
{
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA");
    // A frame the two-digit text cannot carry is still written back as it was read.
    const QList<IdleSound> odd = parseIdleSounds({"A", " 100 ", "B", "C", "x", "D"});
    EXPECT_EQ(odd[0].frame, 100);
    EXPECT_EQ(odd[1].frame, 0);
    ASSERT_TRUE(writeIdleSounds(tmp.folder(), odd));
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "A\r\n 100 \r\nB\r\nC\r\n 0 \r\nD\r\n");
}

TEST(PeopleFile, RecordsOfThreeLinesGiveKeyAndName)
{
    EXPECT_EQ(parsePeople({"ELDER", "Elder Maravin", "Welcome.", "smith", "Smith Brunna"}),
              (QList<Person>{{"ELDER", "Elder Maravin"}, {"smith", "Smith Brunna"}}));
    EXPECT_EQ(parsePeople({"ELDER", "Elder Maravin", "Welcome.", "LONELY"}).size(), 1);
    EXPECT_TRUE(parsePeople({}).isEmpty());

    TempGameFolder tmp;
    EXPECT_FALSE(readPeople(tmp.folder()).ok());
    tmp.write("GAMEDATA/PEOPLE.DAT", "MONK\r\nBrother Aldwen\r\nPeace.\r\n");
    EXPECT_EQ(readPeople(tmp.folder())->size(), 1);
}

TEST(AnimationFrames, EveryFrameOfTheSliderHasItsName)
{
    EXPECT_EQ(animationFrameName(0), "standing around");
    EXPECT_EQ(animationFrameName(3), "speaking c");
    EXPECT_EQ(animationFrameName(4), "idle animation 1 a");
    EXPECT_EQ(animationFrameName(12), "idle animation 2 f");
    EXPECT_EQ(animationFrameName(13), "");
    EXPECT_EQ(animationFrameName(-1), "");
}
