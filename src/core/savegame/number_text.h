#pragma once

#include <QString>

#include <optional>

namespace tav {

// The rule of a number text box bound to a spinner (0 to an upper bound):
// a value above the bound is replaced by the bound, a negative value by "0".
// The spinner takes the value only when the text is a plain whole number;
// anything else ("12a", an empty box) stays as typed and the spinner keeps
// its value.
struct NumberTextCheck {
    QString text;              // the text the box should show
    std::optional<int> value;  // the spinner's new value, if any
};

NumberTextCheck checkNumberText(const QString &text, int upperBound);

} // namespace tav
