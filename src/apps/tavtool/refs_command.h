#pragma once

#include <QStringList>

namespace tav::tool {

// `tavtool refs [--format=text|json] [--game-paths] KIND NAME [FOLDER]`.
int runRefs(const QStringList &arguments);
// `tavtool rename [--dry-run] KIND OLD NEW [FOLDER]`.
int runRename(const QStringList &arguments);
// `tavtool renumber [--dry-run] goal|item FROM TO [FOLDER]`.
int runRenumber(const QStringList &arguments);

} // namespace tav::tool
