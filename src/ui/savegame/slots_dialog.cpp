#include "ui/savegame/slots_dialog.h"

#include "core/savegame/data_set.h"
#include "core/savegame/slot_list.h"
#include "ui/common/artwork.h"
#include "ui/platform/dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tav {

Form11::Form11(const GameFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("SaveGame slots"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(addLogo(this, 0, 0), 0, 0, kSlotCount, 1, Qt::AlignTop);
    for (int i = 0; i < kSlotCount; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Slot # %1:").arg(i + 1), this), i, 1);
        m_slotText[i] = new QLineEdit(this);
        m_slotText[i]->setObjectName(QStringLiteral("SlotText_%1").arg(i));
        m_slotText[i]->setMaxLength(kMaxNameLength);
        m_slotText[i]->setFixedWidth(120);
        grid->addWidget(m_slotText[i], i, 2);
        m_slotSkill[i] = new QCheckBox(QStringLiteral("hard skill"), this);
        m_slotSkill[i]->setObjectName(QStringLiteral("SlotSkill_%1").arg(i));
        grid->addWidget(m_slotSkill[i], i, 3);
    }
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    grid->addWidget(ok, kSlotCount, 3, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &Form11::Command1_Click);

    Form_Load();
    for (int i = 0; i < kSlotCount; ++i)
        connect(m_slotText[i], &QLineEdit::textChanged, this, [this, i] { SlotText_Change(i); });
}

void Form11::Form_Load()
{
    const QStringList names = readSlotNames(m_folder);
    for (int i = 0; i < kSlotCount; ++i) {
        // A longer name the game wrote stays whole; typing is limited.
        m_slotText[i]->setMaxLength(qMax<int>(kMaxNameLength, names[i].size()));
        m_slotText[i]->setText(names[i]);
        const std::optional<Skill> skill = readSlotSkill(m_folder, i + 1);
        m_slotText[i]->setEnabled(skill.has_value());
        m_slotSkill[i]->setEnabled(skill.has_value());
        m_slotSkill[i]->setChecked(skill == Skill::Hard);
    }
}

void Form11::SlotText_Change(int index)
{
    QLineEdit *box = m_slotText[index];
    const QString typed = box->text();
    const QString replaced = replaceUmlauts(typed);
    if (replaced == typed)
        return;
    // The caret moves past the letters that replaced an umlaut before it, so
    // typing goes on behind them.
    const int caret = int(replaceUmlauts(typed.left(box->cursorPosition())).size());
    box->setMaxLength(qMax<int>(box->maxLength(), int(replaced.size())));
    box->setText(replaced);
    box->setCursorPosition(caret);
}

void Form11::Command1_Click()
{
    QStringList names;
    for (QLineEdit *box : m_slotText)
        names.append(box->text());
    QStringList failures;
    if (const Status written = writeSlotNames(m_folder, names); !written)
        failures.append(written.error());
    for (int i = 0; i < kSlotCount; ++i) {
        if (!m_slotSkill[i]->isEnabled())
            continue;
        const Skill skill = m_slotSkill[i]->isChecked() ? Skill::Hard : Skill::Normal;
        if (const Status written = writeSlotSkill(m_folder, i + 1, skill); !written)
            failures.append(written.error());
    }
    if (!failures.isEmpty())
        platform::showError(QStringLiteral("The slot settings could not be saved!"), QStringLiteral("Error"),
                            failures.join(QLatin1Char('\n')));
    accept();
}

} // namespace tav
