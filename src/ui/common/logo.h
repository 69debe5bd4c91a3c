#pragma once

#include <QByteArray>
#include <QImage>

namespace tav {

// The kit's logo, a shield bearing a T, drawn from one outline so the
// windows' picture and the desktop icons are the same. Neither needs a
// running application: the icons are made at build time.
QImage logoImage(int side);
// The logo as an SVG document of the given side in pixels.
QByteArray logoSvg(int side);

} // namespace tav
