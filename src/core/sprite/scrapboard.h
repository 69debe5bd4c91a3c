#pragma once

#include "core/common/program_tables.h"
#include "core/sprite/cell_grid.h"

#include <QImage>
#include <QObject>
#include <QString>

namespace tav {

class ScreenPalette;

// The scrapboard's memory: the program-wide `ScrapBuf` and `ScrapName`, of
// which the strip shows slots 1 to 12 as frames 0 to 11 (frame i shows slot
// i + 1). A slot is empty while its width byte is 0. Every change is
// announced per frame; everything a frame shows follows from its slot.
class Scrapboard : public QObject {
    Q_OBJECT
public:
    static constexpr int kFrames = 12;

    explicit Scrapboard(ProgramTables &tables = programTables(), QObject *parent = nullptr);

    static bool isFrame(int frame) { return frame >= 0 && frame < kFrames; }
    static bool isSlot(int slot) { return slot >= 1 && slot <= ProgramTables::kScrapSlots; }

    // Slots numbered 1 to 100.
    const SpriteImage &ScrapBuf(int slot) const;
    const QString &ScrapName(int slot) const;

    const SpriteImage &image(int frame) const { return ScrapBuf(frame + 1); }
    bool isEmpty(int frame) const { return image(frame).isEmpty(); }
    // "#3: 10 x 5", or "#3: <empty>".
    QString tooltip(int frame) const;
    // The name under the frame; empty for an empty frame.
    QString label(int frame) const;
    // The frame at double size, 80 x 80 pixels; an empty frame all in the
    // colour of index 0, as is any number that is not a frame.
    QImage picture(int frame, const ScreenPalette &palette) const;

    // Keeps the editor's sprite in a frame: its name, declared size and all
    // 1600 cells, whatever the size.
    void store(int frame, const QString &name, int width, int height, const CellGrid &cells);
    // Exchanges two frames: cells, sizes and names.
    void swap(int first, int second);
    // Empties a frame; the name kept with its slot stays.
    void clear(int frame);
    void rename(int frame, const QString &name);

Q_SIGNALS:
    void frameChanged(int frame);

private:
    ProgramTables &m_tables;
};

// The 80 x 80 double-size picture of a record holding a full 40 x 40 image.
QImage doubleSizePicture(const SpriteImage &image, const ScreenPalette &palette);
// The same of the editor's grid.
QImage doubleSizePicture(const CellGrid &cells, const ScreenPalette &palette);

// The animation's next position, counting 1 to the number of frames played
// and starting again at 1; 0 means none yet.
int nextAnimationPosition(int position, int framesPlayed);

} // namespace tav
