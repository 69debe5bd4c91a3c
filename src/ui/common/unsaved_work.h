#pragma once

#include <QString>

namespace tav {

// A window that holds a document answers what would be lost if the kit
// ended now, from its model's saved/changed mark. Whoever closes the kit asks
// every window through this, without knowing their fields.
class UnsavedWork {
public:
    virtual ~UnsavedWork() = default;

    // Empty when nothing would be lost; otherwise a short name for the work,
    // such as "Macro editor (ELDER)".
    virtual QString unsavedWork() const = 0;
    // Lets work under way (a save the sprite saver is still writing) end
    // before the kit does; it takes milliseconds.
    virtual void finishWork() {}
};

} // namespace tav
