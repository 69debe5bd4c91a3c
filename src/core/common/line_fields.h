#pragma once

#include <QList>
#include <QString>

namespace tav {

// One line of a line-per-field file as scripts and diffs name it: its line
// number (from 1), a '/'-separated name ("hero/gold", "inventory/3/item";
// a number names an array element) and whether it is a number field
// (" 5 ") or a text field written as it stands.
struct LineField {
    enum class Form { Number, Text };
    int line = 0;
    QString name;
    Form form = Form::Number;
};

using LineFieldTable = QList<LineField>;

} // namespace tav
