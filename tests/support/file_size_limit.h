#pragma once

#include "core/common/result.h"

#include <QtGlobal>

#include <functional>

class QProcess;

namespace tav::test {

// A full disk without root rights: with RLIMIT_FSIZE set to n bytes and
// SIGXFSZ ignored, a write that would take any file past n bytes fails with
// EFBIG, as writing onto a full disk fails with ENOSPC.

// Runs work in a forked child whose files cannot grow past limitBytes and
// returns its outcome; the limit never touches the test process itself.
Status runWithFileSizeLimit(qint64 limitBytes, const std::function<Status()> &work);

// Starts process (not yet started) under the same limit.
void limitFileSizeOf(QProcess &process, qint64 limitBytes);

} // namespace tav::test
