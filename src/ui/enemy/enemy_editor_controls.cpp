// The controls of the enemy editor and their layout.
#include "ui/enemy/enemy_editor.h"

#include "core/enemy/unit_catalog.h"
#include "core/enemy/unit_codes.h"
#include "ui/common/artwork.h"
#include "ui/common/history_controls.h"
#include "ui/enemy/enemy_sprite_picture.h"
#include "ui/enemy/up_down.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QToolButton>

namespace tav {

using namespace enemy;

namespace {

template <typename W>
W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *fieldLabel(const QString &text, int number, QWidget *parent)
{
    return named(new QLabel(text, parent), QStringLiteral("Label%1").arg(number));
}

QComboBox *dropDownList(const QString &name, const QStringList &entries, QWidget *parent)
{
    auto *list = named(new QComboBox(parent), name);
    list->addItems(entries);
    return list;
}

// A buddy text box with its up-down beside it.
QHBoxLayout *spinnerRow(QLineEdit *buddy, UpDown *upDown)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    buddy->setFixedWidth(48);
    buddy->setAlignment(Qt::AlignRight);
    upDown->setFixedHeight(buddy->sizeHint().height());
    row->addWidget(buddy);
    row->addWidget(upDown);
    row->addStretch();
    return row;
}

} // namespace

void Form16::buildControls()
{
    // Unit name and file commands.
    m_combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setCompleter(nullptr);
    m_combo1->setMinimumWidth(140);
    connect(m_combo1, &QComboBox::editTextChanged, this, &Form16::Combo1_Change);

    auto *command1 = named(new QPushButton(QStringLiteral("Load"), this), QStringLiteral("Command1"));
    auto *command2 = named(new QPushButton(QStringLiteral("Save"), this), QStringLiteral("Command2"));
    auto *command3 = named(new QPushButton(QStringLiteral("New"), this), QStringLiteral("Command3"));
    auto *command5 = named(new QPushButton(QStringLiteral("Delete"), this), QStringLiteral("Command5"));
    auto *command4 = named(new QPushButton(QStringLiteral("UNITS.txt"), this), QStringLiteral("Command4"));
    connect(command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form16::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form16::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &Form16::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &Form16::Command5_Click);

    auto *top = new QHBoxLayout;
    top->addWidget(addLogo(this, 0, 0));
    top->addSpacing(8);
    top->addWidget(fieldLabel(QStringLiteral("Unit name:"), 12, this));
    top->addWidget(m_combo1);
    top->addStretch();
    for (QPushButton *button : {command1, command2, command3, command5})
        top->addWidget(button);

    // Left column: what the unit is and how it moves.
    m_text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
    m_text1->setMaxLength(kDescriptionLength);
    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_text1->setMaxLength(std::max<int>(kDescriptionLength, text.size()));
    });

    m_list1 = named(new QListWidget(this), QStringLiteral("List1"));
    m_list1->setFixedHeight(104);
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    m_spritePicture = new EnemySpritePicture(m_folder, this);
    auto *spriteRow = new QHBoxLayout;
    spriteRow->addWidget(m_list1, 1);
    spriteRow->addWidget(m_spritePicture, 0, Qt::AlignTop);

    auto *behaviours = new QButtonGroup(this);
    auto *behaviourGrid = new QGridLayout;
    const QStringList behaviourTexts = behaviourNames();
    for (int i = 0; i < kBehaviourCount; ++i) {
        m_option1[std::size_t(i)] = named(new QRadioButton(behaviourTexts[i], this), QStringLiteral("Option1_%1").arg(i));
        behaviours->addButton(m_option1[std::size_t(i)], i);
        behaviourGrid->addWidget(m_option1[std::size_t(i)], i / 2, i % 2);
    }
    m_option1[0]->setChecked(true);
    m_check3 = named(new QCheckBox(QStringLiteral("Boss"), this), QStringLiteral("Check3"));
    behaviourGrid->addWidget(m_check3, 2, 0);
    connect(m_check3, &QCheckBox::toggled, this, &Form16::Check3_Click);
    // After the refill, which may leave no sprite to choose.
    connect(m_check3, &QCheckBox::toggled, this, &Form16::showSpritePicture);

    m_text2 = named(new QLineEdit(this), QStringLiteral("Text2"));
    m_text2->setReadOnly(true);
    m_speed = named(new UpDown(m_text2, kSpeedRange, 1, this), QStringLiteral("Speed"));
    m_text3 = named(new QLineEdit(this), QStringLiteral("Text3"));
    m_text3->installEventFilter(this);
    m_health = named(new UpDown(m_text3, kHealthRange, 5, this), QStringLiteral("Health"));
    m_text4 = named(new QLineEdit(this), QStringLiteral("Text4"));
    m_text4->setReadOnly(true);
    m_attack = named(new UpDown(m_text4, kAttackRange, 1, this), QStringLiteral("Attack"));

    auto *left = new QGridLayout;
    left->setColumnStretch(1, 1);
    left->addWidget(fieldLabel(QStringLiteral("Enemy description:"), 1, this), 0, 0);
    left->addWidget(m_text1, 0, 1);
    left->addWidget(fieldLabel(QStringLiteral("Enemy sprite:"), 2, this), 1, 0, Qt::AlignTop);
    left->addLayout(spriteRow, 1, 1);
    left->addWidget(fieldLabel(QStringLiteral("Behavior:"), 3, this), 2, 0, Qt::AlignTop);
    left->addLayout(behaviourGrid, 2, 1);
    left->addWidget(fieldLabel(QStringLiteral("Movement speed:"), 4, this), 3, 0);
    left->addLayout(spinnerRow(m_text2, m_speed), 3, 1);
    left->addWidget(fieldLabel(QStringLiteral("Health:"), 5, this), 4, 0);
    left->addLayout(spinnerRow(m_text3, m_health), 4, 1);
    left->addWidget(fieldLabel(QStringLiteral("Attack;"), 6, this), 5, 0);
    left->addLayout(spinnerRow(m_text4, m_attack), 5, 1);
    left->setRowStretch(6, 1);

    // Right column: fights and special abilities.
    m_combo2 = dropDownList(QStringLiteral("Combo2"), entryTexts(afraidOfEntries()), this);
    m_combo3 = dropDownList(QStringLiteral("Combo3"), entryTexts(cannotBeHurtWithEntries()), this);
    m_combo4 = dropDownList(QStringLiteral("Combo4"), shootingNames(), this);
    m_combo5 = dropDownList(QStringLiteral("Combo5"), entryTexts(teleportingEntries()), this);
    m_check1 = named(new QCheckBox(QStringLiteral("heavy body"), this), QStringLiteral("Check1"));
    m_check2 = named(new QCheckBox(QStringLiteral("zombie-like"), this), QStringLiteral("Check2"));
    m_check2->setEnabled(false);
    connect(m_check2, &QCheckBox::toggled, this, &Form16::showSpritePicture);

    auto *right = new QGridLayout;
    right->setColumnStretch(1, 1);
    right->addWidget(fieldLabel(QStringLiteral("Afraid of:"), 7, this), 0, 0);
    right->addWidget(m_combo2, 0, 1);
    right->addWidget(fieldLabel(QStringLiteral("Cannot be hurt with:"), 8, this), 1, 0);
    right->addWidget(m_combo3, 1, 1);
    right->addWidget(fieldLabel(QStringLiteral("Shooting:"), 9, this), 2, 0);
    right->addWidget(m_combo4, 2, 1);
    right->addWidget(fieldLabel(QStringLiteral("Teleporting:"), 10, this), 3, 0);
    right->addWidget(m_combo5, 3, 1);
    right->addWidget(fieldLabel(QStringLiteral("Special:"), 11, this), 4, 0);
    right->addWidget(m_check1, 4, 1);
    right->addWidget(m_check2, 5, 1);
    right->setRowStretch(6, 1);
    // The undo and redo controls take the free corner beside the help.
    m_history = new HistoryControls(this, m_document);
    auto *history = new QHBoxLayout;
    history->setSpacing(2);
    history->addWidget(m_history->undoButton());
    history->addWidget(m_history->redoButton());
    history->addStretch();
    right->addLayout(history, 7, 0);
    right->addWidget(command4, 7, 1, Qt::AlignRight);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(24);
    columns->addLayout(right, 1);

    auto *window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(top);
    window->addSpacing(8);
    window->addLayout(columns);
}

} // namespace tav
