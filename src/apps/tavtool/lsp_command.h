#pragma once

#include <QStringList>

namespace tav::tool {

// `tavtool lsp`: the language server for macro files over stdin and stdout.
int runLanguageServer(const QStringList &arguments);

} // namespace tav::tool
