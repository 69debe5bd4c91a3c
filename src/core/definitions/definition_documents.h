#pragma once

#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/list_document.h"

namespace tav {

// The mission goals of GAMEDATA\GOALS.DAT as the definition parameters
// window edits them: add, rename and delete are steps on the file.
class GoalsDocument : public ListFileDocument<QString> {
    Q_OBJECT
public:
    explicit GoalsDocument(const GameFolder &folder, QObject *parent = nullptr);

    QString windowId() const override { return QStringLiteral("goals"); }
    QString formatId() const override { return QStringLiteral("goals"); }
    QByteArray fileBytes() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;

protected:
    Result<QList<QString>> readList() const override;
    Status writeList(const QList<QString> &entries) const override;
    QString entryText(const QString &entry) const override { return entry; }
    QString entryName(const QString &entry) const override;
};

// The person idle sounds of GAMEDATA\DEF_PIDL.DAT: add and remove are steps
// on the file.
class IdleSoundsDocument : public ListFileDocument<IdleSound> {
    Q_OBJECT
public:
    explicit IdleSoundsDocument(const GameFolder &folder, QObject *parent = nullptr);

    QString windowId() const override { return QStringLiteral("idle-sounds"); }
    QString formatId() const override { return QStringLiteral("idle-sounds"); }
    QByteArray fileBytes() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;

protected:
    Result<QList<IdleSound>> readList() const override;
    Status writeList(const QList<IdleSound> &entries) const override;
    QString entryText(const IdleSound &entry) const override { return idleSoundEntryText(entry); }
    QString entryName(const IdleSound &entry) const override;
};

} // namespace tav
