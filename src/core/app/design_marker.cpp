#include "core/app/design_marker.h"

#include "core/common/file_io.h"

#include <QFileInfo>

namespace tav {

QByteArray designMarkerBytes()
{
    return QByteArray("\x02\x00\x01\x00", 4);
}

bool designMarkerPresent(const GameFolder &folder)
{
    const QFileInfo info(folder.resolve(kDesignMarkerPath));
    return info.isFile() && info.size() > 0;
}

Status writeDesignMarker(const GameFolder &folder)
{
    if (designMarkerPresent(folder))
        return Status::success();
    const Status written = writeFileAtomically(folder.resolve(kDesignMarkerPath), designMarkerBytes());
    if (!written)
        return Status::failure(QStringLiteral("The marker file design.sts could not be written (%1). "
                                              "The backup warning will be shown again on the next start.")
                                   .arg(written.error()));
    return written;
}

} // namespace tav
