#include "ui/enemy/enemy_editor.h"

#include "ui/common/artwork.h"

namespace tav {

Form16::Form16(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Enemy editor - NONAME"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
