#pragma once

#include "core/common/game_folder.h"
#include "core/enemy/unit_document.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tav {

class EnemySpritePicture;
class FormWatch;
class HistoryControls;
class UpDown;

// `Form16`, the enemy editor: one unit file at a time, named by the unit
// name box, loaded, edited and saved field by field.
class Form16 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form16(const GameFolder &folder, QWidget *parent = nullptr);
    // A box still being typed into is left while the document is there.
    ~Form16() override;

    void Combo1_Change();
    void Check3_Click();
    void List1_Click();
    void Text3_LostFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // The unit as the controls show it.
    enemy::Unit shownUnit() const;
    // "Enemy editor (NAME)" while the fields differ from the unit last
    // loaded, saved or started new.
    QString unsavedWork() const override;
    QList<Document *> documents() override { return {&m_document}; }
    enemy::UnitDocument &document() { return m_document; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void rebuildUnitNames();
    void refillSpriteList();
    void selectSprite(int row);
    // The chosen sprite's pictures beside the list.
    void showSpritePicture();
    void showReading(const enemy::UnitReading &reading);
    // Shows a unit from the document's history, a restore or a reload.
    void showUnit(const enemy::Unit &unit);
    void setCaptionFromName();
    // The name the document goes by: the name box, or the caption's name
    // while the box is empty after a save.
    void nameDocument();
    // The unit name box's text when it names a file; shows why not otherwise.
    bool acceptUnitName(QString &name) const;

    GameFolder m_folder;
    enemy::UnitDocument m_document{m_folder};
    HistoryControls *m_history = nullptr;
    FormWatch *m_watch = nullptr;
    QComboBox *m_combo1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QListWidget *m_list1 = nullptr;
    EnemySpritePicture *m_spritePicture = nullptr;
    std::array<QRadioButton *, 4> m_option1{};
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QCheckBox *m_check3 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
    UpDown *m_speed = nullptr;
    UpDown *m_health = nullptr;
    UpDown *m_attack = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QComboBox *m_combo4 = nullptr;
    QComboBox *m_combo5 = nullptr;
};

} // namespace tav
