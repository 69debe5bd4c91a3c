#include "ui/app/kit_application.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!tav::displayAvailable()) {
        std::fprintf(stderr, "tavdesigner: no display found (DISPLAY is not set); "
                             "start it on a desktop or under a virtual one, e.g. xvfb-run -a ./run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tav designer"));
    QApplication::setQuitOnLastWindowClosed(false);
    return tav::runKit(tav::GameFolder(QDir::currentPath()));
}
