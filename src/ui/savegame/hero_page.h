#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QSlider;

namespace tav {

class GoalMapFrame;
class HeroState;
class SpinnerField;

// The page "Basic hero data" of the SaveGame editor: pixel position,
// direction, health, money, the goal and MAP frame and the in-game options.
class HeroPage : public QWidget {
    Q_OBJECT
public:
    HeroPage(const GameFolder &folder, HeroState &hero, QWidget *parent = nullptr);

    GoalMapFrame *goalMapFrame() const { return m_goalMapFrame; }

    // Shows the hero state in the controls.
    void showState();

private:
    QWidget *positionFrame();
    QWidget *healthFrame();
    QWidget *moneyFrame();
    QWidget *optionsFrame();

    HeroState &m_hero;
    SpinnerField *m_heroX = nullptr;
    SpinnerField *m_heroY = nullptr;
    SpinnerField *m_gold = nullptr;
    QSlider *m_direction = nullptr;
    QSlider *m_containers = nullptr;
    QSlider *m_hearts = nullptr;
    QLabel *m_containersValue = nullptr;
    QLabel *m_heartsValue = nullptr;
    std::array<QCheckBox *, 8> m_options{};
    GoalMapFrame *m_goalMapFrame = nullptr;
};

} // namespace tav
