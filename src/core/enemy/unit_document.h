#pragma once

#include "core/common/form_document.h"
#include "core/enemy/unit_file.h"

namespace tav::enemy {

// The enemy editor's document: one unit. Every field, the sprite choice, a
// load and "New" are steps; deleting a unit file is a step too, whose undo
// writes the file back.
class UnitDocument : public FormDocument<Unit> {
    Q_OBJECT
public:
    explicit UnitDocument(const GameFolder &folder, QObject *parent = nullptr);

    // The unit's name as the window would save it (the name box, or the name
    // last loaded or saved while the box is empty); no step.
    void setUnitName(const QString &name);
    const QString &unitName() const { return m_unitName; }
    // The document belongs to the file of this unit name, as it is now.
    void takeUnitFile(const QString &unitName, const QByteArray *written = nullptr);

    // Deletes the unit file as a step; undo writes it back. Fails (and no
    // step is made) when the file cannot be read or deleted.
    Status deleteUnit(const QString &unitName);

    QString windowName() const override { return QStringLiteral("Enemy editor"); }
    QString windowId() const override { return QStringLiteral("enemy"); }
    QString workName() const override { return m_unitName; }
    QString formatId() const override { return QStringLiteral("unit"); }
    QByteArray fileBytes() const override;
    QJsonObject windowState() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;
    Status reload() override;

Q_SIGNALS:
    // A unit file was deleted or written back: the list of names is old.
    void unitFilesChanged();

protected:
    QString describeChange(const Unit &before, const Unit &after) const override;

private:
    class DeleteStep;

    QString m_unitName = QStringLiteral("NONAME");
    QString m_fileUnitName;
};

// The bytes of a unit file for a unit.
QByteArray unitFileBytes(const Unit &unit);

} // namespace tav::enemy
