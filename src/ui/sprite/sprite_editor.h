#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form12`, the sprite editor window.
class Form12 : public QWidget {
    Q_OBJECT
public:
    explicit Form12(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
