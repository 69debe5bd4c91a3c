#include "core/definitions/definition_documents.h"

#include "core/common/text_file.h"

namespace tav {

GoalsDocument::GoalsDocument(const GameFolder &folder, QObject *parent)
    : ListFileDocument<QString>(folder, kGoalsPath, parent)
{
}

QByteArray GoalsDocument::fileBytes() const
{
    return TextFile{entries()}.toBytes();
}

Status GoalsDocument::restore(const QByteArray &fileBytes, const QJsonObject &)
{
    takeEntries(TextFile::fromBytes(fileBytes).lines, false);
    return Status::success();
}

Result<QList<QString>> GoalsDocument::readList() const
{
    const Result<GoalList> goals = readGoalList(folder());
    if (!goals)
        return goals.status();
    return goals->descriptions();
}

Status GoalsDocument::writeList(const QList<QString> &entries) const
{
    return writeGoalList(folder(), GoalList(entries));
}

QString GoalsDocument::entryName(const QString &entry) const
{
    return QStringLiteral("The goal \"%1\"").arg(entry);
}

IdleSoundsDocument::IdleSoundsDocument(const GameFolder &folder, QObject *parent)
    : ListFileDocument<IdleSound>(folder, kIdleSoundsPath, parent)
{
}

QByteArray IdleSoundsDocument::fileBytes() const
{
    return TextFile{idleSoundLines(entries())}.toBytes();
}

Status IdleSoundsDocument::restore(const QByteArray &fileBytes, const QJsonObject &)
{
    takeEntries(parseIdleSounds(TextFile::fromBytes(fileBytes).lines), false);
    return Status::success();
}

Result<QList<IdleSound>> IdleSoundsDocument::readList() const
{
    return readIdleSounds(folder());
}

Status IdleSoundsDocument::writeList(const QList<IdleSound> &entries) const
{
    return writeIdleSounds(folder(), entries);
}

QString IdleSoundsDocument::entryName(const IdleSound &entry) const
{
    return QStringLiteral("The entry \"%1\"").arg(idleSoundEntryText(entry));
}

} // namespace tav
