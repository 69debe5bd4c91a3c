#include "core/common/open_documents.h"

namespace tav {

void OpenDocuments::add(Document *document)
{
    if (!document || documents().contains(document))
        return;
    m_documents.append(document);
    connect(document, &Document::changed, this, [this, document] { Q_EMIT documentChanged(document); });
    connect(document, &Document::fileTaken, this, [this, document] { Q_EMIT fileTaken(document); });
    Q_EMIT documentAdded(document);
}

QList<Document *> OpenDocuments::documents() const
{
    QList<Document *> open;
    for (const QPointer<Document> &document : m_documents)
        if (document)
            open.append(document.data());
    return open;
}

QStringList OpenDocuments::unsavedWork() const
{
    QStringList work;
    for (const Document *document : documents())
        if (const QString what = document->unsavedWork(); !what.isEmpty())
            work.append(what);
    return work;
}

Document *OpenDocuments::holding(const QString &gamePath) const
{
    for (Document *document : documents())
        if (!document->gamePath().isEmpty() && sameGamePath(document->gamePath(), gamePath))
            return document;
    return nullptr;
}

bool OpenDocuments::holdsUnsaved(const QString &gamePath) const
{
    const Document *document = holding(gamePath);
    return document && document->isUnsaved();
}

std::optional<QByteArray> OpenDocuments::unsavedBytes(const QString &gamePath) const
{
    const Document *document = holding(gamePath);
    if (!document || !document->isUnsaved())
        return std::nullopt;
    return document->fileBytes();
}

Status OpenDocuments::reload(const QString &gamePath)
{
    Document *document = holding(gamePath);
    if (!document)
        return Status::failure(QStringLiteral("No window holds %1.").arg(gamePath));
    return document->reload();
}

Document *OpenDocuments::byWindowId(const QString &windowId) const
{
    for (Document *document : documents())
        if (document->windowId() == windowId)
            return document;
    return nullptr;
}

} // namespace tav
