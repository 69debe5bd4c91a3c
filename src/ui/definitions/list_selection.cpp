#include "ui/definitions/list_selection.h"

#include <QListWidget>

namespace tav {

int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace tav
