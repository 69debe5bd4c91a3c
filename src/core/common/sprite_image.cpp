#include "core/common/sprite_image.h"

#include <algorithm>
#include <cstring>

namespace tav {

QByteArray SpriteImage::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), kBytes);
}

SpriteImage SpriteImage::fromByteArray(const QByteArray &data)
{
    SpriteImage image;
    std::memcpy(image.bytes.data(), data.constData(), std::min<std::size_t>(data.size(), kBytes));
    return image;
}

} // namespace tav
