#pragma once
// The formats the text forms know, one file each.

#include "core/textform/text_format.h"

namespace tav::textform {

const TextFormat &playerFormat();
const TextFormat &unitFormat();
const TextFormat &automapFormat();
const TextFormat &goalsFormat();
const TextFormat &idleSoundsFormat();
const TextFormat &peopleFormat();
const TextFormat &itemNamesFormat();
const TextFormat &slotsFormat();
const TextFormat &skillFormat();
const TextFormat &paletteFormat();
const TextFormat &spriteFormat();
const TextFormat &macroFormat();

// A format known by the end of its file name, in any letter case.
class NamedTextFormat : public TextFormat {
public:
    NamedTextFormat(QString id, QStringList nameEndings, QString checkPath)
        : m_id(std::move(id))
        , m_endings(std::move(nameEndings))
        , m_checkPath(std::move(checkPath))
    {
    }
    QString id() const override { return m_id; }
    bool matchesName(const QString &fileName) const override;
    QString checkPath() const override { return m_checkPath; }

private:
    QString m_id;
    QStringList m_endings;
    QString m_checkPath;
};

} // namespace tav::textform
