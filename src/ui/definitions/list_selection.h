#pragma once

class QListWidget;

namespace tav {

// The row of a list box's selected entry, -1 when none is selected (the
// current row alone does not count: after a removal nothing is selected).
int selectedRow(const QListWidget *list);

} // namespace tav
