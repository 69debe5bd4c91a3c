#pragma once

#include <QStringList>

namespace tav::tool {

// `tavtool dump FILE`: a game file as JSON on stdout.
int runDump(const QStringList &arguments);
// `tavtool load [--force] FILE.json TARGET`: such JSON written back as the file.
int runLoad(const QStringList &arguments);
// `tavtool show FILE`: a line-per-field text form for diffs.
int runShow(const QStringList &arguments);

} // namespace tav::tool
