#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form6`, the SaveGame editor window.
class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
