#include "ui/automap/map_overview.h"

#include "ui/common/artwork.h"

namespace tav {

Form4::Form4(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("MAPs"));
    resize(480, 360);
    addLogo(this, 8, 8);
}

} // namespace tav
