#include "core/app/recovery_writer.h"

#include "core/common/file_io.h"
#include "core/common/open_documents.h"

#include <QFile>

namespace tav {

RecoveryWriter::RecoveryWriter(OpenDocuments &documents, RecoveryStore &store, QObject *parent)
    : QObject(parent)
    , m_documents(documents)
    , m_store(store)
{
    // One thread: copies and removals reach the disk in the order given.
    m_pool.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryWriter::writeDue);
    connect(&documents, &OpenDocuments::documentChanged, this, &RecoveryWriter::documentChanged);
    connect(&documents, &OpenDocuments::fileTaken, this, &RecoveryWriter::fileTaken);
}

RecoveryWriter::~RecoveryWriter()
{
    m_pool.waitForDone();
}

void RecoveryWriter::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        m_timer.stop();
}

bool RecoveryWriter::hasCopy(const Document *document) const
{
    return m_written.contains(document);
}

void RecoveryWriter::documentChanged(Document *)
{
    // Nothing more on the keystroke path than this.
    if (m_enabled && !m_timer.isActive())
        m_timer.start();
}

void RecoveryWriter::fileTaken(Document *document)
{
    // A save or a load: the copy it covers goes at once.
    if (m_enabled && hasCopy(document) && !document->isUnsaved())
        remove(document);
}

void RecoveryWriter::writeDue()
{
    for (Document *document : m_documents.documents()) {
        if (document->isUnsaved()) {
            if (m_written.value(document, ~quint64(0)) != document->revision())
                write(document);
        } else if (hasCopy(document)) {
            remove(document);
        }
    }
}

void RecoveryWriter::write(Document *document)
{
    {
        const QMutexLocker lock(&m_inFlightMutex);
        if (m_inFlight.contains(document))
            return; // written once the copy under way is on disk
        m_inFlight.insert(document);
    }
    m_written[document] = document->revision();
    const RecoverySnapshot snapshot = recoverySnapshot(*document, m_store.gameFolder());
    const QString path = m_store.copyPath(document->windowId());
    const QPointer<RecoveryWriter> self(this);
    m_pool.start([this, document, snapshot, path, self] {
        const Result<QByteArray> json = recoveryCopyJson(snapshot);
        const Status written = json ? writeFileAtomically(path, json.value()) : json.status();
        {
            const QMutexLocker lock(&m_inFlightMutex);
            m_inFlight.remove(document);
        }
        // A change made meanwhile is written next. (The writer waits for its
        // thread before it goes, so it is still there.)
        QMetaObject::invokeMethod(
            self.data(),
            [self, reason = written.ok() ? QString() : written.error()] {
                if (!self)
                    return;
                if (!reason.isEmpty())
                    Q_EMIT self->failed(reason);
                if (self->m_enabled && !self->m_timer.isActive())
                    self->m_timer.start();
            },
            Qt::QueuedConnection);
    });
}

void RecoveryWriter::remove(Document *document)
{
    m_written.remove(document);
    const QString path = m_store.copyPath(document->windowId());
    m_pool.start([path] { QFile::remove(path); });
}

void RecoveryWriter::flush()
{
    // Copies under way first, then what changed since they were taken.
    waitForWrites();
    if (m_enabled) {
        m_timer.stop();
        writeDue();
    }
    waitForWrites();
}

void RecoveryWriter::discardAll()
{
    m_timer.stop();
    for (Document *document : m_documents.documents())
        if (hasCopy(document))
            remove(document);
    waitForWrites();
    m_enabled = false;
}

void RecoveryWriter::waitForWrites()
{
    m_pool.waitForDone();
}

} // namespace tav
