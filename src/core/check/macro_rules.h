#pragma once

#include "core/check/finding.h"
#include "core/check/rules.h"

#include <QString>
#include <QStringList>

namespace tav::check {

// The rules of one macro's text, whether it comes from a file (tavtool
// check) or from an editor that holds it unsaved (the language server): a
// "%" anywhere but at the very start, lines the editor's formatting would
// change, command codes outside the vocabulary. `lines` are the macro's
// lines as the file holds them; `file` names it in the findings;
// `references` is what the game's other files hold, for the rules that
// compare parameters with them.
void checkMacroText(Findings &findings, const QString &file, const QStringList &lines, const References &references);

} // namespace tav::check
