#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form16`, the enemy editor window.
class Form16 : public QWidget {
    Q_OBJECT
public:
    explicit Form16(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
