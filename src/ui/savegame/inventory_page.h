#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tav {

class Inventory;

// The page "Inventory" of the SaveGame editor: the 40 positions in three
// parallel grids (`INV2` item numbers, `INV3` counts, `INV1` names), the
// selected position, and "add..." / "remove".
class InventoryPage : public QWidget {
    Q_OBJECT
public:
    InventoryPage(Inventory &inventory, const QStringList &itemNames, QWidget *parent = nullptr);

    int selectedPosition() const { return m_selected; }
    void selectPosition(int p);

    // Shows the inventory in the grids.
    void showState();

    void Command9_Click();
    void Command10_Click();

Q_SIGNALS:
    // An item was added or removed: "add Potion", "remove Potion".
    void inventoryChanged(const QString &stepName);

private:
    QTableWidget *addGrid(const QString &name, int columnWidth);
    void ITMNummer_Change();

    Inventory &m_inventory;
    const QStringList &m_itemNames;
    int m_selected = 0;
    QTableWidget *m_inv1 = nullptr;
    QTableWidget *m_inv2 = nullptr;
    QTableWidget *m_inv3 = nullptr;
    QLineEdit *m_itmNummer = nullptr;
    QLineEdit *m_visItmNr = nullptr;
    QLineEdit *m_itmCapt = nullptr;
};

} // namespace tav
