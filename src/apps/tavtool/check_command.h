#pragma once

#include <QStringList>

namespace tav::tool {

// `tavtool check [--strict] [--format=text|json] [FOLDER]`.
int runCheck(const QStringList &arguments);

} // namespace tav::tool
