#include "core/app/start_options.h"
#include "ui/app/kit_application.h"
#include "ui/app/working_folder.h"
#include "ui/common/artwork.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Help, version and refused arguments need no display: settle them first.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    const tav::StartOptions options = tav::parseStartOptions(arguments);
    if (options.action != tav::StartOptions::Action::Run) {
        std::FILE *stream = options.action == tav::StartOptions::Action::Print ? stdout : stderr;
        std::fputs(options.text.toLocal8Bit().constData(), stream);
        return options.exitCode();
    }
    if (!tav::displayAvailable()) {
        std::fprintf(stderr, "tavdesigner: no display found (DISPLAY is not set); "
                             "start it on a desktop or under a virtual one, e.g. xvfb-run -a ./run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tav designer"));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral(TAV_APP_ID));
    QApplication::setWindowIcon(QIcon(tav::logoPixmap(128)));
    const std::optional<tav::GameFolder> folder = tav::openWorkingFolder(options.folder);
    if (!folder)
        return 0;
    return tav::runKit(*folder);
}
