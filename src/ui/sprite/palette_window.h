#pragma once

#include "core/common/game_folder.h"

#include <QString>
#include <QWidget>

#include <array>

namespace tav {

class ColourSwatch;
class ScreenPalette;

// `Form8`, the sprite colour palette: the 256 colours of the master palette
// as a 16 x 16 grid of cells `Farbe`. Loading it reads `GAMEDATA\MASTER.PAL`
// into the screen palette and the program-wide `PalRGB`. A left click on a
// cell picks the left drawing colour, a right click the right one.
class Form8 : public QWidget {
    Q_OBJECT
public:
    Form8(const GameFolder &folder, ScreenPalette &palette, QWidget *owner = nullptr);

    // Why the palette file could not be read in full; empty when it was.
    const QString &loadProblem() const { return m_loadProblem; }

    void Farbe_MouseDown(int index, int button);
    void Farbe_MouseMove(int index);

Q_SIGNALS:
    // A colour was picked for button 1 (left) or 2 (right).
    void colourPicked(int index, int button);
    // A click anywhere but a right click asks for the sprite editor.
    void editorWanted();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Form_Load();

    GameFolder m_folder;
    ScreenPalette &m_palette;
    std::array<ColourSwatch *, 256> m_cells{};
    ColourSwatch *m_cpreview = nullptr;
    int m_previewIndex = 0;
    QString m_loadProblem;
};

} // namespace tav
