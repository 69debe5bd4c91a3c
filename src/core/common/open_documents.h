#pragma once

#include "core/common/document.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

namespace tav {

// The documents the kit's windows hold, in the order they were opened. The
// quit question, the recovery copies and anything else that needs the
// designer's work ask here, never a window.
class OpenDocuments : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A document leaves the list when it is destroyed.
    void add(Document *document);
    QList<Document *> documents() const;

    // What would be lost if the kit ended now, each named by its document
    // ("Macro editor (ELDER)").
    QStringList unsavedWork() const;

    // The document that holds the file at a game path (any letter case).
    Document *holding(const QString &gamePath) const;
    // Whether a window holds that file with work not saved yet.
    bool holdsUnsaved(const QString &gamePath) const;
    // The bytes the file would hold if its unsaved document were saved now;
    // nothing when no window holds it unsaved.
    std::optional<QByteArray> unsavedBytes(const QString &gamePath) const;
    // Loads the file again in the window that holds it, as a step the
    // designer can undo; fails when no window holds it.
    Status reload(const QString &gamePath);

    // The document of a window kind ("macro"), for restoring copies.
    Document *byWindowId(const QString &windowId) const;

Q_SIGNALS:
    void documentAdded(tav::Document *document);
    // A document's form or saved state changed.
    void documentChanged(tav::Document *document);
    // A document was just loaded from or saved to its file.
    void fileTaken(tav::Document *document);

private:
    QList<QPointer<Document>> m_documents;
};

} // namespace tav
