#include "ui/definitions/definition_parameters.h"

#include "ui/common/artwork.h"

namespace tav {

Form9::Form9(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Definition parameters"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
