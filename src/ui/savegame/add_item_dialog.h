#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace tav {

class Inventory;

// `Form7`, "Add item": picks an item and adds one of it to the inventory.
class Form7 : public QDialog {
    Q_OBJECT
public:
    Form7(Inventory &inventory, const QStringList &itemNames, QWidget *parent = nullptr);

    void Command1_Click();

private:
    Inventory &m_inventory;
    QComboBox *m_combo1 = nullptr;
};

} // namespace tav
