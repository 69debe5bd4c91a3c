#include "core/enemy/unit_document.h"

#include "core/common/file_io.h"
#include "core/common/step_names.h"
#include "core/common/text_file.h"
#include "core/enemy/unit_fields.h"

#include <QFileInfo>

namespace tav::enemy {

QByteArray unitFileBytes(const Unit &unit)
{
    return TextFile{unitFileLines(unit)}.toBytes();
}

// Deleting a unit file: the bytes are kept so undo can write them back, and
// undo asks before replacing a file another program made in the meantime.
class UnitDocument::DeleteStep : public QUndoCommand {
public:
    DeleteStep(UnitDocument &document, const QString &unitName, QByteArray bytes)
        : QUndoCommand(QStringLiteral("delete %1").arg(unitName))
        , m_document(document)
        , m_unitName(unitName)
        , m_bytes(std::move(bytes))
    {
    }

    void redo() override
    {
        // The first run finds the file deleted already.
        if (std::exchange(m_inPlace, false)) {
            filesChanged();
            return;
        }
        if (const Status deleted = deleteUnitFile(m_document.folder(), m_unitName); !deleted) {
            tell(QStringLiteral("%1 could not be deleted again.").arg(unitFilePath(m_unitName)), deleted.error());
            return;
        }
        filesChanged();
    }

    void undo() override
    {
        const QString path = unitFilePath(m_unitName);
        const QString disk = m_document.folder().resolve(path);
        const bool replaceAllowed =
            !QFileInfo::exists(disk) || (m_document.prompts() && m_document.prompts()->mayReplaceChangedFile(path));
        if (!replaceAllowed) {
            setObsolete(true);
            return;
        }
        if (const Status written = writeFileAtomically(disk, m_bytes); !written) {
            tell(QStringLiteral("%1 could not be written back.").arg(path), written.error());
            setObsolete(true);
            return;
        }
        filesChanged();
    }

private:
    void tell(const QString &text, const QString &detail)
    {
        if (m_document.prompts())
            m_document.prompts()->tell(text, detail);
    }
    void filesChanged()
    {
        if (sameGamePath(m_document.gamePath(), unitFilePath(m_unitName)))
            m_document.takeUnitFile(m_unitName);
        Q_EMIT m_document.unitFilesChanged();
    }

    UnitDocument &m_document;
    QString m_unitName;
    QByteArray m_bytes;
    bool m_inPlace = true;
};

UnitDocument::UnitDocument(const GameFolder &folder, QObject *parent)
    : FormDocument<Unit>(folder, Unit{}, parent)
{
}

void UnitDocument::setUnitName(const QString &name)
{
    if (name == m_unitName)
        return;
    m_unitName = name;
    noteChange();
}

void UnitDocument::takeUnitFile(const QString &unitName, const QByteArray *written)
{
    m_fileUnitName = unitName;
    takeFile(unitFilePath(unitName), written);
}

Status UnitDocument::deleteUnit(const QString &unitName)
{
    if (const Status name = checkUnitName(unitName); !name)
        return name;
    const QString disk = folder().resolve(unitFilePath(unitName));
    QByteArray bytes;
    if (QFileInfo(disk).isFile()) {
        const Result<QByteArray> read = readWholeFile(disk);
        if (!read)
            return read.status();
        bytes = read.value();
    } else {
        // Nothing to delete, nothing to take back.
        return Status::success();
    }
    if (const Status deleted = deleteUnitFile(folder(), unitName); !deleted)
        return deleted;
    pushStep(new DeleteStep(*this, unitName, bytes));
    return Status::success();
}

QByteArray UnitDocument::fileBytes() const
{
    return unitFileBytes(form());
}

QJsonObject UnitDocument::windowState() const
{
    return QJsonObject{{QStringLiteral("name"), m_unitName}};
}

Status UnitDocument::restore(const QByteArray &fileBytes, const QJsonObject &windowState)
{
    const UnitReading reading = parseUnitFile(TextFile::fromBytes(fileBytes).lines);
    if (!reading.complete())
        return Status::failure(reading.error);
    const QJsonValue name = windowState.value(QStringLiteral("name"));
    if (!name.isString())
        return Status::failure(QStringLiteral("the copy does not name the unit"));
    m_unitName = name.toString();
    takeRestored(reading.unit);
    return Status::success();
}

Status UnitDocument::reload()
{
    if (m_fileUnitName.isEmpty())
        return Status::failure(QStringLiteral("The unit belongs to no file yet."));
    const UnitReading reading = readUnitFile(folder(), m_fileUnitName);
    if (!reading.complete())
        return Status::failure(reading.error);
    m_unitName = m_fileUnitName;
    takeLoaded(QStringLiteral("load %1").arg(m_fileUnitName), reading.unit);
    takeUnitFile(m_fileUnitName);
    return Status::success();
}

QString UnitDocument::describeChange(const Unit &before, const Unit &after) const
{
    return describeLineChanges(unitFileFields(), unitFileLines(before), unitFileLines(after),
                               QStringLiteral("unit change"));
}

} // namespace tav::enemy
