#pragma once

#include "core/common/sprite_image.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tav {

// The sprite editor's undo ring: 20 snapshots, of which at most 19 can be
// undone in a row. Each snapshot holds the declared size and all 1600 cells
// as they were before the named operation. Undo keeps the state it replaces,
// so redo can bring it back step by step until a new change is made.
class UndoRing {
public:
    static constexpr int kSlots = 20;
    static constexpr int kMaxSteps = 19;

    // `SaveUndo`: stores a snapshot taken before the operation Name.
    void record(const QString &name, const SpriteImage &snapshot);
    // The snapshot the next undo returns to, and steps back; nothing when no
    // step is available. The current state is kept for redo.
    std::optional<SpriteImage> undo(const SpriteImage &current);
    // The state the last undo replaced, stepping forward again to where the
    // ring stood after that change; nothing when no step can be redone.
    std::optional<SpriteImage> redo();
    // A new change: the steps undone so far cannot come back.
    void dropRedo() { m_redo.clear(); }

    int stepsAvailable() const { return m_steps; }
    bool canUndo() const { return m_steps > 0; }
    // "Undo: " and the name of the step the next undo takes back.
    QString tooltip() const;
    int redoStepsAvailable() const { return static_cast<int>(m_redo.size()); }
    bool canRedo() const { return !m_redo.empty(); }
    // "Redo: " and the name of the step the next redo brings back.
    QString redoTooltip() const;

    // The ring as the editor keeps it.
    const std::array<SpriteImage, kSlots> &UndoBuf() const { return m_buf; }
    const std::array<QString, kSlots> &UndoName() const { return m_names; }
    int UndoPos() const { return m_pos; }

private:
    std::array<SpriteImage, kSlots> m_buf{};
    std::array<QString, kSlots> m_names{};
    int m_pos = 0;
    int m_steps = 0;
    // The states undo replaced, the latest last, with the step count the
    // ring had then.
    struct Undone {
        SpriteImage state;
        int steps = 0;
    };
    std::vector<Undone> m_redo;
};

} // namespace tav
