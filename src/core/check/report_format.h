#pragma once

#include "core/check/finding.h"

#include <QByteArray>
#include <QString>

namespace tav::check {

// "GAMEDATA\UNITS\ORC.UNI:5: error: ...", the form editors and CI logs read;
// without a line number when no one line is at fault.
QString findingLine(const Finding &finding);

// "3 errors, 1 warning in 412 files".
QString summaryLine(const CheckReport &report);

// The findings as one JSON array of objects (file, line, severity, code,
// message), followed by one object per macro with severity "info", code
// "macro-type" and its type and info comment as the load dialog shows them.
QByteArray reportJson(const CheckReport &report);

} // namespace tav::check
