#pragma once

#include "core/common/document.h"
#include "core/common/sprite_image.h"
#include "core/sprite/cell_grid.h"
#include "core/sprite/sprite_save_state.h"
#include "core/sprite/undo_ring.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>

namespace tav {

struct SpriteFileContents;

// The selection and floating-area state of the editor. Rectangles are in
// canvas twips.
struct SpriteSelection {
    // Origin (column, row) and size in cells of the selection or floating area.
    std::int16_t SelX = 0;
    std::int16_t SelY = 0;
    std::int16_t SelW = 39;
    std::int16_t SelH = 39;
    // Pointer position inside the floating area's handle while no button is held.
    float GrabX = 0;
    float GrabY = 0;
    // The floating area's cells and the editor's own clipboard.
    SpriteImage AreaBuf;
    SpriteImage ClipBuf;

    // `Sel`: the rubber band while a selection is dragged.
    bool rubberBandShown = false;
    // `Selector` and its drag handle `SelScape`: a committed selection or a
    // floating area.
    bool selectorShown = false;
    QRect selectorRect;
    // 1 for a committed selection, 5 for a pasted area.
    int selectorAppearance = 1;

    QRect rubberBandRect() const;
};

// The sprite being edited: the 40 x 40 cells `Matrix`, the declared size
// (`XSize`, `YSize`), the sprite name, the undo ring and the selection. Every
// change is announced, so the windows repaint exactly what changed. Its
// history is the editor's 19-step ring with redo; its file is the sprite
// file of its name; whether it holds unsaved work is its save state's answer.
class SpriteDocument : public Document {
    Q_OBJECT
public:
    static constexpr int kSide = CellGrid::kSide;

    explicit SpriteDocument(const GameFolder &folder = GameFolder(), QObject *parent = nullptr);

    const CellGrid &Matrix() const { return m_cells; }
    std::uint8_t cell(int x, int y) const { return m_cells.at(x, y); }
    // Cells outside the grid are never addressed.
    void setCell(int x, int y, std::uint8_t index);
    void setCells(const CellGrid &cells);
    // Takes new cells of which only those in the region (columns and rows,
    // within the grid) differ from the old ones.
    void setCells(const CellGrid &cells, const QRect &changedRegion);

    int XSize() const { return m_width; }
    int YSize() const { return m_height; }
    void setXSize(int width);
    void setYSize(int height);
    // A size box's value: below 1 becomes 1, above 40 becomes 40.
    static int clampSize(double value);

    const QString &name() const { return m_name; }
    void setName(const QString &name);

    // The declared size and all cells in the editor's 1602-byte record.
    SpriteImage snapshot() const;

    void SaveUndo(const QString &name);
    // Returns to the last snapshot; drops any floating area. False when no
    // step is available.
    bool Undo();
    // Brings back what the last undo took, with the ring as it stood after
    // that change; drops any floating area. False when nothing was undone
    // since the last change.
    bool Redo();
    const UndoRing &undoRing() const { return m_undo; }

    // "new": records an undo step, forgets the name and clears every cell;
    // the declared size stays.
    void newSprite();
    // Takes a sprite read from a file: clears every cell, then sets the name,
    // the size (limited to 1-40) and the pixels.
    void loadSprite(const QString &name, const SpriteFileContents &contents);
    // An ordinary image mapped to colour indices, as one undo step "import
    // image": its size becomes the declared size and the name is emptied, so
    // the next save asks for one.
    void importImage(int width, int height, const CellGrid &pixels);

    const SpriteSelection &selection() const { return m_selection; }
    // Changes the selection state; the change is announced afterwards.
    template <typename Change> void editSelection(Change &&change)
    {
        change(m_selection);
        Q_EMIT selectionChanged();
    }
    // Hides the frame and handle of a selection or floating area.
    void dropFloatingArea();

    // Whether the cells and size differ from the sprite last loaded, started
    // new or saved, and the saves the sprite saver has not finished.
    SpriteSaveState &saveState() { return m_saveState; }
    const SpriteSaveState &saveState() const { return m_saveState; }
    // The sprite was just taken from the file of its name (or started new,
    // without a name): nothing to lose.
    void tookFile(const QString &fallback = QString());
    // A save of `saved` under `name` ended.
    void saveEnded(const SpriteImage &saved, const QString &name, bool succeeded);

    QString windowName() const override { return QStringLiteral("Sprite editor"); }
    QString windowId() const override { return QStringLiteral("sprite"); }
    QString workName() const override;
    QString unsavedWork() const override;
    bool isUnsaved() const override;
    bool canUndo() const override { return m_undo.canUndo(); }
    bool canRedo() const override { return m_undo.canRedo(); }
    QString undoText() const override;
    QString redoText() const override;
    void undo() override { Undo(); }
    void redo() override { Redo(); }
    QString formatId() const override { return QStringLiteral("sprite"); }
    QByteArray fileBytes() const override;
    QJsonObject windowState() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;
    Status reload() override;
    // Turns the dragged rubber band into a committed selection and copies its
    // cells into `AreaBuf`, column by column.
    void commitSelection();

Q_SIGNALS:
    void cellChanged(int x, int y);
    void cellsReset();
    // The cells of a rectangle of columns and rows changed.
    void regionChanged(const QRect &cells);
    void declaredSizeChanged();
    void nameChanged();
    void undoChanged();
    void selectionChanged();

private:
    void restore(const SpriteImage &image);
    // Shows the sprite that undo or redo gave back; false when there was none.
    bool takeFromRing(const std::optional<SpriteImage> &image);
    // Cells changed by an edit rather than by undo or redo.
    void cellsEdited();
    void take(const QString &name, int width, int height, const CellGrid &cells);

    CellGrid m_cells;
    int m_width = kSide;
    int m_height = kSide;
    QString m_name;
    UndoRing m_undo;
    SpriteSelection m_selection;
    SpriteSaveState m_saveState{snapshot()};
    bool m_restored = false;
};

} // namespace tav
