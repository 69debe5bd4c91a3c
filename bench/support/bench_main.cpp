// One main for every benchmark program: real windows, offscreen, and message
// boxes answered at once so nothing waits for a user.
#include "ui/platform/dialogs.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public tav::platform::Dialogs {
public:
    tav::platform::Answer message(const tav::platform::MessageRequest &) override
    {
        return tav::platform::Answer::Ok;
    }
    std::optional<QString> input(const tav::platform::InputRequest &request) override
    {
        return request.defaultText;
    }
    std::optional<QString> chooseFile(const tav::platform::FileRequest &) override { return std::nullopt; }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentDialogs dialogs;
    tav::platform::installDialogs(&dialogs);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tav::platform::installDialogs(nullptr);
    return 0;
}
