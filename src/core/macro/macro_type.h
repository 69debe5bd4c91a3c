#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tav {

inline const QString kStandardMacro = QStringLiteral("standard CMD");
inline const QString kMapMacro = QStringLiteral("MAP CMD");
inline const QString kItemsMacro = QStringLiteral("ITEMS.CMD");
inline const QString kEmptyMacro = QStringLiteral("empty file");
// What the load dialog shows for a macro without an info comment.
inline const QString kNoMacroInfo = QStringLiteral("no '!info tag available");

// What the load dialog tells about a macro: its type, derived from the
// content, and its description, the text after "'!" on the last such line.
struct MacroInfo {
    QString type = kStandardMacro;
    std::optional<QString> info;
};

// Lines are taken as they stand (no blanks removed). A "%" line, "POS v" or
// "POS s" makes a MAP macro, "POS i" an items macro (letter case counts), and
// the last such line decides. A file of no bytes is an empty file.
MacroInfo classifyMacro(const QByteArray &contents);

} // namespace tav
