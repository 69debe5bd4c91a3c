#pragma once

#include "core/common/game_folder.h"

#include <QObject>
#include <QString>

class QProcess;

namespace tav::platform {

// A program the kit starts and follows to its end, such as the sprite saver:
// not detached, so its exit status and error output are seen.
class WatchedProgram : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isRunning() const = 0;
    // Waits at most msecs for the end, which is reported before this
    // returns; true when the program has ended.
    virtual bool waitForEnd(int msecs) = 0;

Q_SIGNALS:
    // Once: exitCode 0 is success; errorOutput is what the program wrote on
    // stderr, or why it could not be started or did not run to its end
    // (exitCode -1 then).
    void ended(int exitCode, const QString &errorOutput);
};

// Starts a program on disk with its arguments in the working folder, hidden,
// as a process owned by owner. It ends on its own; when it cannot be started
// `ended` comes from the event loop with the reason.
WatchedProgram *startWatchedProcess(const GameFolder &folder, const QString &program, const QStringList &arguments,
                                    QObject *owner);

} // namespace tav::platform
