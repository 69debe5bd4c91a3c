#pragma once

#include "core/common/game_folder.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

namespace tav {

// `Form11`, "SaveGame slots": the names of the five slots and, for the slots
// the game has saved into, their difficulty.
class Form11 : public QDialog {
    Q_OBJECT
public:
    explicit Form11(const GameFolder &folder, QWidget *parent = nullptr);

    void SlotText_Change(int index);
    void Command1_Click();

    static constexpr int kMaxNameLength = 10;

private:
    void Form_Load();

    GameFolder m_folder;
    std::array<QLineEdit *, 5> m_slotText{};
    std::array<QCheckBox *, 5> m_slotSkill{};
};

} // namespace tav
