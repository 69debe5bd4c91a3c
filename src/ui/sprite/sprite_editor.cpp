#include "ui/sprite/sprite_editor.h"

#include "ui/common/artwork.h"

namespace tav {

Form12::Form12(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Tav sprite editor"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
