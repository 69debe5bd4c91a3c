#pragma once

#include "core/common/game_folder.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/people_file.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;
class QSlider;

namespace tav {

// `Form10`, "Add person idle sound": picks a person, a sound file and the
// animation frame. OK closes the dialog with the chosen assignment; closing
// it any other way chooses nothing.
class Form10 : public QDialog {
    Q_OBJECT
public:
    explicit Form10(const GameFolder &folder, QWidget *parent = nullptr);

    const std::optional<IdleSound> &chosen() const { return m_chosen; }

public Q_SLOTS:
    void Slider1_Scroll();
    void Command1_Click();

private:
    void loadPeopleAndSounds();

    GameFolder m_folder;
    QList<Person> m_people;
    std::optional<IdleSound> m_chosen;

    QListWidget *m_list1 = nullptr; // display names
    QListWidget *m_list2 = nullptr; // keys, parallel to m_list1, never shown
    QListWidget *m_file1 = nullptr;
    QSlider *m_slider1 = nullptr;
    QLineEdit *m_text1 = nullptr;
};

} // namespace tav
