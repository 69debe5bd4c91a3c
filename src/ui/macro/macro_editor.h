#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form2`, the macro editor window.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
