#pragma once

class QListWidget;
class QString;
class QWidget;

namespace tav {

// A list box of the definition windows: named, one entry selected at a time.
QListWidget *makeList(const QString &name, QWidget *parent);

// The row of a list box's selected entry, -1 when none is selected (the
// current row alone does not count: after a removal nothing is selected).
int selectedRow(const QListWidget *list);

} // namespace tav
