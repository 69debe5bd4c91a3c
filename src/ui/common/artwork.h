#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace tav {

// The kit's pictures, drawn by the program itself.
QPixmap logoPixmap(int side = 32);
QPixmap splashPicture(int width = 320, int height = 160);
// A small icon for a launch button: a rounded tile with a glyph.
QPixmap toolIcon(int index, int side = 32);

// The logo `Image1` every window carries, with its tooltip.
QLabel *addLogo(QWidget *parent, int x, int y, int side = 32);

inline const QString kLogoTooltip = QStringLiteral("There must always be a Garrik!");

} // namespace tav
