#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

namespace tav {

// `Form9`, the definition parameters window.
class Form9 : public QWidget {
    Q_OBJECT
public:
    explicit Form9(const GameFolder &folder, QWidget *parent = nullptr);

private:
    GameFolder m_folder;
};

} // namespace tav
