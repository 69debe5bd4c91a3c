#pragma once

#include <QString>

namespace tav {

// What the kit keeps for a game folder besides design.sts (recovery copies
// of unsaved work and the lock that keeps a second kit off the folder) lives
// in the user's state folder, never in the game folder:
// $XDG_STATE_HOME/tav-designer/<folder key>/, with XDG_STATE_HOME defaulting
// to ~/.local/state.
QString stateRoot();
// The folder for one game folder, keyed by its canonical path: its name and
// a hash of the path ("sample-3f1c9a0b2d4e").
QString stateFolderFor(const QString &gameFolderRoot);

} // namespace tav
