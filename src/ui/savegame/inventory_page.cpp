#include "ui/savegame/inventory_page.h"

#include "core/common/number_field.h"
#include "core/savegame/inventory.h"
#include "ui/platform/dialogs.h"
#include "ui/savegame/add_item_dialog.h"
#include "ui/savegame/page_controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tav {

InventoryPage::InventoryPage(Inventory &inventory, const QStringList &itemNames, QWidget *parent)
    : QWidget(parent)
    , m_inventory(inventory)
    , m_itemNames(itemNames)
{
    auto *layout = new QGridLayout(this);
    m_inv2 = addGrid(QStringLiteral("INV2"), 34);
    m_inv3 = addGrid(QStringLiteral("INV3"), 34);
    m_inv1 = addGrid(QStringLiteral("INV1"), 96);
    layout->addWidget(plainLabel(QStringLiteral("Inventory item numbers:"), this), 0, 0);
    layout->addWidget(plainLabel(QStringLiteral("Number of items in this slot:"), this), 0, 1);
    layout->addWidget(m_inv2, 1, 0, Qt::AlignLeft);
    layout->addWidget(m_inv3, 1, 1, Qt::AlignLeft);
    layout->addWidget(plainLabel(QStringLiteral("Item descriptions:"), this), 2, 0, 1, 2);
    layout->addWidget(m_inv1, 3, 0, 1, 2, Qt::AlignLeft);

    auto *selection = new QHBoxLayout;
    selection->addWidget(plainLabel(QStringLiteral("Selected:"), this));
    m_itmCapt = new QLineEdit(this);
    m_itmCapt->setObjectName(QStringLiteral("ITMCapt"));
    m_itmCapt->setReadOnly(true);
    m_itmCapt->setMinimumWidth(180);
    selection->addWidget(m_itmCapt);
    selection->addWidget(plainLabel(QStringLiteral("in position:"), this));
    m_visItmNr = new QLineEdit(this);
    m_visItmNr->setObjectName(QStringLiteral("VisITMNr"));
    m_visItmNr->setReadOnly(true);
    m_visItmNr->setFixedWidth(40);
    selection->addWidget(m_visItmNr);
    // The selected position itself; the user sees it one-based beside it.
    m_itmNummer = new QLineEdit(this);
    m_itmNummer->setObjectName(QStringLiteral("ITMNummer"));
    m_itmNummer->setReadOnly(true);
    m_itmNummer->hide();
    connect(m_itmNummer, &QLineEdit::textChanged, this, &InventoryPage::ITMNummer_Change);
    selection->addSpacing(16);
    auto *add = new QPushButton(QStringLiteral("add..."), this);
    add->setObjectName(QStringLiteral("Command9"));
    auto *remove = new QPushButton(QStringLiteral("remove"), this);
    remove->setObjectName(QStringLiteral("Command10"));
    selection->addWidget(add);
    selection->addWidget(remove);
    selection->addStretch(1);
    layout->addLayout(selection, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(2, 1);
    connect(add, &QPushButton::clicked, this, &InventoryPage::Command9_Click);
    connect(remove, &QPushButton::clicked, this, &InventoryPage::Command10_Click);

    showState();
    selectPosition(0);
}

QTableWidget *InventoryPage::addGrid(const QString &name, int columnWidth)
{
    auto *grid = new QTableWidget(Inventory::kRows, Inventory::kColumns, this);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(columnWidth * Inventory::kColumns + 2 * grid->frameWidth(),
                       20 * Inventory::kRows + 2 * grid->frameWidth());
    for (int p = 0; p < Inventory::kPositions; ++p)
        grid->setItem(p / Inventory::kColumns, p % Inventory::kColumns, new QTableWidgetItem);
    connect(grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { selectPosition(Inventory::position(row, column)); });
    return grid;
}

void InventoryPage::selectPosition(int p)
{
    if (!Inventory::isPosition(p))
        return;
    m_selected = p;
    m_itmNummer->setText(QString::number(p));
    m_itmCapt->setText(itemName(m_itemNames, m_inventory.at(p).item));
    for (QTableWidget *grid : {m_inv1, m_inv2, m_inv3})
        grid->setCurrentCell(p / Inventory::kColumns, p % Inventory::kColumns);
}

void InventoryPage::ITMNummer_Change()
{
    m_visItmNr->setText(QString::number(rnd(num(m_itmNummer->text())) + 1));
}

void InventoryPage::showState()
{
    for (int p = 0; p < Inventory::kPositions; ++p) {
        const InventorySlot slot = m_inventory.at(p);
        const int row = p / Inventory::kColumns;
        const int column = p % Inventory::kColumns;
        m_inv1->item(row, column)->setText(itemName(m_itemNames, slot.item));
        m_inv2->item(row, column)->setText(QString::number(slot.item));
        m_inv3->item(row, column)->setText(QString::number(slot.count));
    }
    m_itmCapt->setText(itemName(m_itemNames, m_inventory.at(m_selected).item));
}

void InventoryPage::Command9_Click()
{
    const Inventory before = m_inventory;
    Form7 dialog(m_inventory, m_itemNames, this);
    dialog.exec();
    showState();
    for (int p = 0; p < Inventory::kPositions; ++p)
        if (m_inventory.at(p) != before.at(p)) {
            Q_EMIT inventoryChanged(QStringLiteral("add %1").arg(itemName(m_itemNames, m_inventory.at(p).item)));
            break;
        }
}

void InventoryPage::Command10_Click()
{
    const QString name = itemName(m_itemNames, m_inventory.at(m_selected).item);
    if (m_inventory.remove(m_selected) == Inventory::RemoveOutcome::WasEmpty)
        platform::showError(QStringLiteral("Can't remove empty position!"));
    else
        Q_EMIT inventoryChanged(QStringLiteral("remove %1").arg(name));
    showState();
}

} // namespace tav
