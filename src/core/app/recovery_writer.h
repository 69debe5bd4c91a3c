#pragma once

#include "core/app/recovery_store.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

namespace tav {

class Document;
class OpenDocuments;

// Keeps the recovery copies of the open documents: within 2 seconds of a
// change that leaves a document unsaved its copy is written (atomically, on
// a thread of its own, off the keystroke path); a document with nothing to
// lose any more (saved, or changed back) has its copy removed.
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

    RecoveryWriter(OpenDocuments &documents, RecoveryStore &store, QObject *parent = nullptr);
    ~RecoveryWriter() override;

    // Off: no copies are written (the kit keeps working without them).
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Writes every copy that is due now and waits until they are on disk
    // (the session ends, a signal came).
    void flush();
    // Removes every copy of this session (the designer chose to lose the work).
    void discardAll();
    // Waits for the writes under way.
    void waitForWrites();

    // Whether a copy of the document is on disk (or on its way there).
    bool hasCopy(const Document *document) const;

Q_SIGNALS:
    // A copy could not be written; said once per reason by whoever listens.
    void failed(const QString &reason);

private:
    void documentChanged(Document *);
    void fileTaken(Document *document);
    void writeDue();
    void write(Document *document);
    void remove(Document *document);

    OpenDocuments &m_documents;
    RecoveryStore &m_store;
    QTimer m_timer;
    QThreadPool m_pool;
    // The revision each copy on disk holds (or is on its way there).
    QHash<const Document *, quint64> m_written;
    // Copies being written: a later one of the same document waits for the
    // write under way, so writes never pile up behind a slow disk.
    QSet<const Document *> m_inFlight;
    QMutex m_inFlightMutex;
    bool m_enabled = true;
};

} // namespace tav
