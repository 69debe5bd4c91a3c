#include "core/app/about_text.h"
#include "core/app/design_marker.h"
#include "core/app/launch_plan.h"

#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(DesignMarker, IsPresentOnlyWhenLongerThanZero)
{
    TempGameFolder tmp;
    EXPECT_FALSE(designMarkerPresent(tmp.folder()));
    tmp.write("design.sts", "");
    EXPECT_FALSE(designMarkerPresent(tmp.folder()));
    tmp.write("DESIGN.STS", "x");
    tmp.write("design.sts", "x");
    EXPECT_TRUE(designMarkerPresent(tmp.folder()));
}

TEST(DesignMarker, WritesFourBytesAndNeverRewritesAnExistingOne)
{
    TempGameFolder tmp;
    ASSERT_TRUE(writeDesignMarker(tmp.folder()));
    EXPECT_EQ(tmp.read("design.sts"), QByteArray("\x02\x00\x01\x00", 4));
    tmp.write("design.sts", "Z");
    ASSERT_TRUE(writeDesignMarker(tmp.folder()));
    EXPECT_EQ(tmp.read("design.sts"), "Z");
}

TEST(AboutText, UsesOnlyTheFirstLineOfTheVersionFile)
{
    TempGameFolder tmp;
    EXPECT_EQ(readGameVersion(tmp.folder()), "");
    tmp.write("GAMEDATA/VERSION.DAT", "1.2\r\njunk\r\n");
    EXPECT_EQ(readGameVersion(tmp.folder()), "1.2");
    tmp.write("GAMEDATA/VERSION.DAT", "");
    EXPECT_EQ(readGameVersion(tmp.folder()), "");
}

TEST(AboutText, BuildsThreeLines)
{
    EXPECT_EQ(aboutVersionText("1.2"),
              "game version: 1.2\r\ndesigner version: 1.0.3\r\nThere must always be a Garrik!");
    EXPECT_EQ(aboutVersionText(""),
              "game version: \r\ndesigner version: 1.0.3\r\nThere must always be a Garrik!");
    EXPECT_TRUE(revealsHiddenPicture("There must always be a Garrik!"));
    EXPECT_FALSE(revealsHiddenPicture("there must always be a Garrik!"));
    EXPECT_FALSE(revealsHiddenPicture(aboutVersionText("")));
}

TEST(LaunchPlan, ProgressSkipsSeventy)
{
    std::vector<int> progress;
    for (const StartupStep &s : kStartupSteps)
        progress.push_back(s.progress);
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 80, 90, 100}));
    EXPECT_FALSE(kStartupSteps.back().window.has_value());
}

TEST(SampleHelpTexts, EndEveryLineWithCrLf)
{
    const QDir help(QStringLiteral(TAV_SOURCE_DIR "/sample/HELP"));
    const QStringList names = help.entryList({QStringLiteral("*.txt")}, QDir::Files);
    EXPECT_EQ(names.size(), 6);
    for (const QString &name : names) {
        QFile file(help.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
    }
}
