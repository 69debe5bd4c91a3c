#include "ui/macro/macro_editor.h"

#include "ui/common/artwork.h"

namespace tav {

Form2::Form2(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("NoName - Tav Macro editor (unsaved)"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
