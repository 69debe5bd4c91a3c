#pragma once

#include <QStringList>

namespace tav::tool {

// `tavtool sprite export|sheet|import`: sprites of the game folder in and
// out of PNG images.
int runSpriteCommand(const QStringList &arguments);

} // namespace tav::tool
