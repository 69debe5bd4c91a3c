#pragma once

#include "core/common/form_document.h"
#include "core/savegame/field_origin.h"
#include "core/savegame/player_file.h"

#include <optional>

namespace tav {

// The SaveGame editor's document: the hero's state, the file it was loaded
// from or saved to, and the data set and training choice the window shows.
// Every field, an inventory add or remove, the goal and MAP position and a
// load ("load slot 2") are steps; the automap tools that copy files are not.
class SaveGameDocument : public FormDocument<PlayerState> {
    Q_OBJECT
public:
    explicit SaveGameDocument(const GameFolder &folder, QObject *parent = nullptr);

    // The file the fields came from or went to; none before the first load.
    const std::optional<FieldOrigin> &origin() const { return m_origin; }
    // The fields were just loaded from or saved to this file, whose bytes
    // are `bytes` when known.
    void takeOrigin(const FieldOrigin &origin, const QByteArray *bytes = nullptr);
    // The data set and training choice the window shows (no step).
    void setChoice(int dataSet, bool training);
    int dataSet() const { return m_dataSet; }
    bool training() const { return m_training; }

    // "load DEF", "load DEF training", "load slot 2".
    static QString loadStepName(const FieldOrigin &origin);

    QString windowName() const override { return QStringLiteral("SaveGame editor"); }
    QString windowId() const override { return QStringLiteral("savegame"); }
    QString workName() const override;
    QString formatId() const override { return QStringLiteral("player"); }
    QByteArray fileBytes() const override;
    QJsonObject windowState() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;
    Status reload() override;

protected:
    QString describeChange(const PlayerState &before, const PlayerState &after) const override;
    bool sameContent(const PlayerState &a, const PlayerState &b) const override;

private:
    std::optional<FieldOrigin> m_origin;
    int m_dataSet = 0;
    bool m_training = false;
};

} // namespace tav
