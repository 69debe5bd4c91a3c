#include "run_tavtool.h"

#include <gtest/gtest.h>

namespace tav::test {
namespace {

TEST(TavtoolCli, HelpVersionAndUsageErrors)
{
    const ToolRun help = runTavtool({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tavtool COMMAND"))) << help.out.toStdString();

    const ToolRun version = runTavtool({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("tavtool 1.0.3"));

    for (const QStringList &arguments : {QStringList{}, QStringList{QStringLiteral("frobnicate")}}) {
        const ToolRun run = runTavtool(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("tavtool --help")));
    }
}

} // namespace
} // namespace tav::test
