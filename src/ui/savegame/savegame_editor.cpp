#include "ui/savegame/savegame_editor.h"

#include "ui/common/artwork.h"

namespace tav {

Form6::Form6(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("SaveGame Editor"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
