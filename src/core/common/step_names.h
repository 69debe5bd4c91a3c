#pragma once

#include "core/common/line_fields.h"

#include <QStringList>

namespace tav {

// The name of a step that changed fields of a line-per-field file, from the
// lines before and after: "gold 50 -> 60"; with more fields changed together
// (lowering containers lowers hearts) "hearts 5 -> 3, containers 5 -> 3".
// Lines that follow from others or never change are left out; `fallback`
// names a step that changed none of the others.
QString describeLineChanges(const LineFieldTable &table, const QStringList &before, const QStringList &after,
                            const QString &fallback);

} // namespace tav
