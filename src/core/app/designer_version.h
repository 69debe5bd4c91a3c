#pragma once

#include <QString>

namespace tav {

struct DesignerVersion {
    int major = TAV_VERSION_MAJOR;
    int minor = TAV_VERSION_MINOR;
    int revision = TAV_VERSION_PATCH;

    // "1.0.3"
    QString text() const
    {
        return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
    }
};

} // namespace tav
