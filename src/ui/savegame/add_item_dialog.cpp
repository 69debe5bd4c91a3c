#include "ui/savegame/add_item_dialog.h"

#include "core/savegame/inventory.h"
#include "ui/common/artwork.h"
#include "ui/platform/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tav {

Form7::Form7(Inventory &inventory, const QStringList &itemNames, QWidget *parent)
    : QDialog(parent)
    , m_inventory(inventory)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Add item"));
    auto *layout = new QGridLayout(this);
    auto *logo = addLogo(this, 0, 0);
    layout->addWidget(logo, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(QStringLiteral("Select an item to add:"), this), 0, 1);
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->addItems(itemNames);
    m_combo1->setCurrentIndex(-1);
    m_combo1->setMinimumWidth(220);
    m_combo1->setMaxVisibleItems(20);
    layout->addWidget(m_combo1, 1, 1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    layout->addWidget(ok, 2, 1, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &Form7::Command1_Click);
}

void Form7::Command1_Click()
{
    const int index = m_combo1->currentIndex();
    if (index < 0) {
        platform::showError(QStringLiteral("Please select an item!"));
        return;
    }
    const Inventory::AddResult result = m_inventory.add(index + 1);
    switch (result.outcome) {
    case Inventory::AddOutcome::NoRoom:
        platform::showError(QStringLiteral("Item could not be added!"));
        return;
    case Inventory::AddOutcome::PositionFull:
        platform::showError(QStringLiteral("Max. 9 items are allowed in one position!"));
        break;
    case Inventory::AddOutcome::Added:
        break;
    }
    accept();
}

} // namespace tav
