#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form4`, the MAP overview window.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
