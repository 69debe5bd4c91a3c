#pragma once

#include "core/common/result.h"

#include <QString>

namespace tav {

// Names a user types for a file (a macro, unit or slot name) must stay in
// their folder: no path separators, no "..", no drive. The reason is a
// sentence a window can show as it is.
Status checkFileName(const QString &name);

// A sprite name (\NAME or \SUBFOLDER\NAME below GRAFIK) may hold one
// subfolder level and nothing that leaves GRAFIK.
Status checkSpriteName(const QString &name);

} // namespace tav
