#include "core/common/document.h"

namespace tav {

QString changedFileQuestion(const QString &gamePath)
{
    return QStringLiteral("%1 was changed by another program since you loaded it. Replace it with your version?")
        .arg(gamePath);
}

QString reloadChangedFileQuestion(const QString &gamePath)
{
    return QStringLiteral("%1 was changed by another program. Load it now?").arg(gamePath);
}

bool sameGamePath(const QString &a, const QString &b)
{
    QString left = a;
    QString right = b;
    left.replace(QLatin1Char('/'), QLatin1Char('\\'));
    right.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return left.compare(right, Qt::CaseInsensitive) == 0;
}

Document::Document(const GameFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
    m_ownHistory.setUndoLimit(kHistorySteps);
    shareHistoryOf(*this);
}

void Document::shareHistoryOf(Document &owner)
{
    disconnect(m_history, nullptr, this, nullptr);
    m_history = &owner.m_ownHistory;
    const auto history = [this] { Q_EMIT historyChanged(); };
    connect(m_history, &QUndoStack::indexChanged, this, history);
    connect(m_history, &QUndoStack::canUndoChanged, this, history);
    connect(m_history, &QUndoStack::canRedoChanged, this, history);
}

Document::~Document() = default;

QString Document::unsavedWork() const
{
    if (!isUnsaved())
        return QString();
    return QStringLiteral("%1 (%2)").arg(windowName(), workName());
}

void Document::takeFile(const QString &gamePath, const QByteArray *bytes)
{
    const QString disk = m_folder.resolve(gamePath);
    setFile(gamePath, bytes ? writtenIdentity(disk, *bytes) : tav::fileIdentity(disk));
}

void Document::setFile(const QString &gamePath, const FileIdentity &identity)
{
    m_gamePath = gamePath;
    m_identity = identity;
    m_askedAbout = identity;
    noteChange();
    Q_EMIT fileTaken();
}

bool Document::fileChangedElsewhere() const
{
    return !m_gamePath.isEmpty() && !isSameFile(m_identity, m_folder.resolve(m_gamePath));
}

bool Document::mayWrite(const QString &target) const
{
    if (m_gamePath.isEmpty() || !sameGamePath(target, m_gamePath) || !fileChangedElsewhere())
        return true;
    return m_prompts && m_prompts->mayReplaceChangedFile(m_gamePath);
}

bool Document::changeToAskAbout()
{
    if (!fileChangedElsewhere())
        return false;
    const FileIdentity now = tav::fileIdentity(m_folder.resolve(m_gamePath));
    if (!now.exists || now == m_askedAbout)
        return false;
    m_askedAbout = now;
    return true;
}

void Document::undo()
{
    commitPendingEdit();
    m_history->undo();
}

void Document::redo()
{
    commitPendingEdit();
    m_history->redo();
}

void Document::pushStep(QUndoCommand *step)
{
    commitPendingEdit();
    m_history->push(step);
}

void Document::noteChange()
{
    ++m_revision;
    Q_EMIT changed();
}

} // namespace tav
