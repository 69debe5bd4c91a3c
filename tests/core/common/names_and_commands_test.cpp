#include "core/common/command_line.h"
#include "core/common/program_tables.h"
#include "core/common/sprite_image.h"
#include "core/common/user_name.h"

#include "support/temp_game_folder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(UserName, FileNamesStayInTheirFolder)
{
    EXPECT_TRUE(checkFileName("ORC"));
    EXPECT_TRUE(checkFileName("m\xe4rchen"));
    EXPECT_FALSE(checkFileName("..\\ORC"));
    EXPECT_FALSE(checkFileName("SUB\\ORC"));
    EXPECT_FALSE(checkFileName("a/b"));
    EXPECT_FALSE(checkFileName(".."));
    EXPECT_FALSE(checkFileName("C:ORC"));
    EXPECT_FALSE(checkFileName(""));
}

TEST(UserName, SpriteNamesMayHoldOneSubfolder)
{
    EXPECT_TRUE(checkSpriteName("\\ORC"));
    EXPECT_TRUE(checkSpriteName("\\UNITS\\ORC"));
    EXPECT_FALSE(checkSpriteName("\\UNITS\\DEEP\\ORC"));
    EXPECT_FALSE(checkSpriteName("\\..\\ORC"));
    EXPECT_FALSE(checkSpriteName("\\UNITS\\.."));
    EXPECT_FALSE(checkSpriteName("C:\\ORC"));
    EXPECT_FALSE(checkSpriteName("/etc/passwd"));
    EXPECT_FALSE(checkSpriteName("\\UNITS\\"));
}

TEST(CommandLine, SplitsProgramAndArguments)
{
    const CommandLine c = CommandLine::parse("SPRSVR GRAFIK\\UNITS\\ORC.SPR");
    EXPECT_EQ(c.program, "SPRSVR");
    EXPECT_EQ(c.arguments, QStringList{"GRAFIK\\UNITS\\ORC.SPR"});
    EXPECT_EQ(CommandLine::parse("  \"my prog\"  a  \"b c\" ").arguments, (QStringList{"a", "b c"}));
    EXPECT_EQ(CommandLine::parse("  \"my prog\" ").program, "my prog");
    EXPECT_TRUE(CommandLine::parse("   ").program.isEmpty());
}

TEST(CommandLine, ExplorerAndNotepadOpenFoldersAndFilesInAnyCase)
{
    TempGameFolder tmp;
    tmp.write("help/Units.TXT", "x");
    const StartTarget folder = resolveCommandLine("explorer HELP", tmp.folder(), QString());
    EXPECT_EQ(folder.kind, StartTarget::Kind::OpenFolder);
    EXPECT_EQ(folder.path, tmp.disk("help"));
    const StartTarget doc = resolveCommandLine("NotePad HELP\\UNITS.txt", tmp.folder(), QString());
    EXPECT_EQ(doc.kind, StartTarget::Kind::OpenDocument);
    EXPECT_EQ(doc.path, tmp.disk("help/Units.TXT"));
    EXPECT_EQ(resolveCommandLine("NOTEPAD HELP\\MISSING.txt", tmp.folder(), QString()).kind,
              StartTarget::Kind::Nothing);
    const StartTarget url = resolveCommandLine("explorer http://www.example.org/", tmp.folder(), QString());
    EXPECT_EQ(url.kind, StartTarget::Kind::OpenUrl);
    EXPECT_EQ(url.path, "http://www.example.org/");
}

TEST(CommandLine, ProgramsComeFromTheWorkingFolderThenTheKitFolderButTheSaverOnlyFromTheKit)
{
    TempGameFolder tmp;
    tmp.write("game/tavaria", "#!/bin/sh\n");
    QFile::setPermissions(tmp.disk("game/tavaria"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tmp.write("kit/sprsvr", "#!/bin/sh\n");
    QFile::setPermissions(tmp.disk("kit/sprsvr"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tmp.write("game/notes", "not a program");
    const GameFolder game(tmp.disk("game"));

    const StartTarget play = resolveCommandLine("Tavaria", game, tmp.disk("kit"));
    EXPECT_EQ(play.kind, StartTarget::Kind::Program);
    EXPECT_EQ(play.path, tmp.disk("game/tavaria"));

    const StartTarget saver = resolveCommandLine("SPRSVR GRAFIK\\X.SPR", game, tmp.disk("kit"));
    EXPECT_EQ(saver.kind, StartTarget::Kind::Program);
    EXPECT_EQ(saver.path, tmp.disk("kit/sprsvr"));
    EXPECT_EQ(saver.arguments, QStringList{"GRAFIK\\X.SPR"});

    EXPECT_EQ(resolveCommandLine("notes", game, tmp.disk("kit")).kind, StartTarget::Kind::Nothing);
    EXPECT_EQ(resolveCommandLine("NoSuchProgramAnywhere42", game, tmp.disk("kit")).kind, StartTarget::Kind::Nothing);

    // The kit's own saver never comes from the game folder, even when it holds one.
    tmp.write("game/SPRSVR", "#!/bin/sh\n");
    QFile::setPermissions(tmp.disk("game/SPRSVR"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const StartTarget kitSaver = resolveKitProgram("SPRSVR GRAFIK\\X.SPR", tmp.disk("kit"));
    EXPECT_EQ(kitSaver.path, tmp.disk("kit/sprsvr"));
    EXPECT_EQ(kitSaver.arguments, QStringList{"GRAFIK\\X.SPR"});
    EXPECT_EQ(resolveKitProgram("Tavaria", tmp.disk("kit")).kind, StartTarget::Kind::Nothing);
}

TEST(SpriteImage, IsTheGames1602ByteRecordColumnByColumn)
{
    SpriteImage image;
    EXPECT_EQ(image.toByteArray().size(), 1602);
    EXPECT_TRUE(image.isEmpty());
    image.setWidth(10);
    image.setHeight(5);
    image.setCell(1, 2, 77);
    const QByteArray bytes = image.toByteArray();
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(bytes[1], 5);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2 + 1 * 40 + 2]), 77);
    image.setAreaCell(1, 2, 5, 9);
    EXPECT_EQ(image.bytes[2 + 1 * 5 + 2], 9);
    EXPECT_EQ(SpriteImage::fromByteArray(bytes).cell(1, 2), 77);
    EXPECT_EQ(SpriteImage::fromByteArray(QByteArray("\x03", 1)).width(), 3);
}

TEST(ProgramTables, StartEmptyAndReset)
{
    ProgramTables &t = programTables();
    t.PalRGB[5] = {4, 8, 12};
    t.ScrapName[100] = "\\UNITS\\ORC";
    t.reset();
    EXPECT_EQ(t.PalRGB[5], PalEntry{});
    EXPECT_TRUE(t.ScrapName[100].isEmpty());
    EXPECT_TRUE(t.ScrapBuf[1].isEmpty());
}
