#pragma once

#include "core/common/sprite_image.h"

#include <QString>

#include <array>
#include <optional>

namespace tav {

// The sprite editor's undo ring: 20 snapshots, of which at most 19 can be
// undone in a row. Each snapshot holds the declared size and all 1600 cells
// as they were before the named operation. There is no redo.
class UndoRing {
public:
    static constexpr int kSlots = 20;
    static constexpr int kMaxSteps = 19;

    // `SaveUndo`: stores a snapshot taken before the operation Name.
    void record(const QString &name, const SpriteImage &snapshot);
    // The snapshot the next undo returns to, and steps back; nothing when no
    // step is available.
    std::optional<SpriteImage> undo();

    int stepsAvailable() const { return m_steps; }
    bool canUndo() const { return m_steps > 0; }
    // "Undo: " and the name of the step the next undo takes back.
    QString tooltip() const;

    // The ring as the editor keeps it.
    const std::array<SpriteImage, kSlots> &UndoBuf() const { return m_buf; }
    const std::array<QString, kSlots> &UndoName() const { return m_names; }
    int UndoPos() const { return m_pos; }

private:
    std::array<SpriteImage, kSlots> m_buf{};
    std::array<QString, kSlots> m_names{};
    int m_pos = 0;
    int m_steps = 0;
};

} // namespace tav
