#pragma once

#include "core/common/form_document.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace tav {

// The automap entry the MAP overview edits: a square and its string.
struct AutomapEntry {
    int x = 1;
    int y = 1;
    QString text;
    friend bool operator==(const AutomapEntry &, const AutomapEntry &) = default;
};

// The MAP overview's document: the automap string of the selected square in
// GAMEDATA\AUTOMAP.DAT. An edit of the string is a step; choosing another
// square is one only when it leaves an unsaved string behind, so undo brings
// that back. Saving replaces this one entry of the table as it is on disk.
class AutomapEntryDocument : public FormDocument<AutomapEntry> {
    Q_OBJECT
public:
    explicit AutomapEntryDocument(const GameFolder &folder, QObject *parent = nullptr);

    enum class Reading { Found, NoEntry, Unreadable };
    // Reads the square's string from the table; without an entry the string
    // stays as it was. Tells what the table held.
    Reading selectSquare(int x, int y);
    // What the table held for the square shown when it was chosen last
    // (Found for the square shown at the start, which was never read).
    Reading reading() const { return m_readings.value({form().x, form().y}, Reading::Found); }
    // Before a save: true unless another program changed the square's
    // string in the table since it was read and the designer does not want
    // it replaced.
    bool mayWriteEntry();
    // The entry was written to the table.
    void markEntrySaved();
    // "05/12".
    static QString squareName(int x, int y);

    bool isUnsaved() const override;
    QString windowName() const override { return QStringLiteral("MAP overview"); }
    QString windowId() const override { return QStringLiteral("automap"); }
    QString workName() const override { return QStringLiteral("square ") + squareName(form().x, form().y); }
    QString formatId() const override { return QStringLiteral("automap"); }
    QByteArray fileBytes() const override;
    QJsonObject windowState() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;
    Status reload() override;

protected:
    QString describeChange(const AutomapEntry &before, const AutomapEntry &after) const override;

private:
    using Square = QPair<int, int>;
    // The table's lines and this square's string in it, as last read.
    struct TableRead {
        std::optional<QStringList> lines;
        std::optional<QString> entry;
    };
    TableRead readTable(int x, int y) const;

    QStringList m_tableLines;
    // What each square showed when it was chosen or saved.
    QHash<Square, QString> m_savedTexts;
    // Each square's string in the table when it was read.
    QHash<Square, std::optional<QString>> m_fileEntries;
    QHash<Square, Reading> m_readings;
};

} // namespace tav
