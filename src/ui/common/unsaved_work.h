#pragma once

#include <QList>
#include <QString>

namespace tav {

class Document;

// A window that holds documents: it names them for the kit, which asks the
// documents themselves what would be lost, writes their recovery copies and
// restores them.
class UnsavedWork {
public:
    virtual ~UnsavedWork() = default;

    // The documents the window edits.
    virtual QList<Document *> documents() = 0;
    // Empty when nothing would be lost; otherwise a short name for the work,
    // such as "Macro editor (ELDER)", as its documents answer.
    virtual QString unsavedWork() const = 0;
    // Lets work under way (a save the sprite saver is still writing) end
    // before the kit does; it takes milliseconds.
    virtual void finishWork() {}
};

} // namespace tav
