#include "core/refs/file_uses.h"

#include "core/definitions/idle_sounds.h"
#include "core/macro/macro_line.h"
#include "core/savegame/inventory.h"
#include "core/savegame/player_file.h"

namespace tav::refs {
namespace {

constexpr int kRecordLines = 3;         // DEF_PIDL.DAT
constexpr int kUnitSpriteLine = 2;      // a unit file's sprite base name
constexpr int kFirstItemCopyLine = 100; // a savegame's copy of the item in inventory position 1

// The text of a line without the blanks around it: [from, to).
std::pair<qsizetype, qsizetype> trimmedSpan(QStringView text, qsizetype from, qsizetype to)
{
    while (from < to && text[from].isSpace())
        ++from;
    while (to > from && text[to - 1].isSpace())
        --to;
    return {from, to};
}

// A reference to the name or number that a whole line holds, when it is one.
void addLineReference(QList<Reference> &uses, ReferenceKind kind, const QStringList &lines, int line,
                      const QString &role)
{
    if (line > lines.size())
        return;
    const QString &text = lines[line - 1];
    const auto [from, to] = trimmedSpan(text, 0, text.size());
    const std::optional<QString> key = referenceKey(kind, QStringView(text).mid(from, to - from));
    if (!key || (kind == ReferenceKind::Item && *key == QLatin1String("0")))
        return; // not a name of the kind, or an empty inventory position
    uses.append({kind, *key, line, from, to, role});
}

// A square held by two lines (x, then y).
void addSquare(QList<Reference> &uses, const QStringList &lines, int xLine, const QString &role)
{
    if (xLine + 1 > lines.size())
        return;
    if (const auto key = squareKey(lines[xLine - 1], lines[xLine]))
        uses.append({ReferenceKind::Square, *key, xLine, -1, -1, role});
}

} // namespace

void indexUnitFile(ReferenceIndex &index, const QString &file, const QStringList &lines)
{
    QList<Reference> uses;
    addLineReference(uses, ReferenceKind::Sprite, lines, kUnitSpriteLine, QString());
    index.setFile(file, std::move(uses));
}

void indexPlayerFile(ReferenceIndex &index, const QString &file, const QStringList &lines)
{
    using namespace player_line;
    QList<Reference> uses;
    for (int p = 0; p < Inventory::kPositions; ++p)
        addLineReference(uses, ReferenceKind::Item, lines, kFirstItem + 2 * p,
                         QStringLiteral("inventory position %1").arg(p + 1));
    addLineReference(uses, ReferenceKind::Item, lines, kFirstItemCopyLine,
                     QStringLiteral("copy of inventory position 1"));
    addSquare(uses, lines, kMapX, QStringLiteral("current MAP"));
    addSquare(uses, lines, kGoalX, QStringLiteral("goal position"));
    addLineReference(uses, ReferenceKind::Goal, lines, kGoalNr, QStringLiteral("current goal"));
    index.setFile(file, std::move(uses));
}

void indexItemNames(ReferenceIndex &index, const QString &file, const QStringList &lines)
{
    QList<Reference> uses;
    for (int line = 1; line < lines.size(); line += 2)
        addLineReference(uses, ReferenceKind::Item, lines, line, QStringLiteral("number line"));
    index.setFile(file, std::move(uses));
    index.setItemNames(itemNamesFromLines(lines));
}

void indexIdleSounds(ReferenceIndex &index, const QString &file, const QStringList &lines)
{
    QList<Reference> uses;
    const QList<IdleSound> sounds = parseIdleSounds(lines);
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        const int first = int(i) * kRecordLines + 1;
        addLineReference(uses, ReferenceKind::Person, lines, first, QStringLiteral("idle sound"));
        addLineReference(uses, ReferenceKind::Sound, lines, first + 2,
                         QStringLiteral("idle sound of %1").arg(sounds[i].person.trimmed()));
    }
    index.setFile(file, std::move(uses));
}

void indexAutomapTable(ReferenceIndex &index, const QString &file, const QStringList &lines)
{
    QList<Reference> uses;
    for (int line = 1; line < lines.size(); line += 2)
        if (const auto key = referenceKey(ReferenceKind::Square, lines[line - 1]))
            uses.append({ReferenceKind::Square, *key, line, -1, -1, QStringLiteral("automap entry")});
    index.setFile(file, std::move(uses));
}

namespace {

// The command codes whose parameters name something.
const QList<QByteArray> &namingCodes()
{
    static const QList<QByteArray> codes = [] {
        QList<QByteArray> all;
        for (const PresetForm &form : presetForms())
            for (const PresetField &field : form.fields)
                if ((field.kind == FieldKind::ItemNumber || field.kind == FieldKind::GoalNumber ||
                     field.kind == FieldKind::UnitName || field.kind == FieldKind::SoundName) &&
                    !all.contains(form.code.toLatin1()))
                    all.append(form.code.toLatin1());
        return all;
    }();
    return codes;
}

// Whether a line may name something: looked at for every line of every
// macro, so only its first three characters are, in any letter case.
bool mayName(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' '))
        ++start;
    if (line.size() - start < 3)
        return false;
    char code[3];
    for (int i = 0; i < 3; ++i) {
        const char16_t c = line[start + i].unicode();
        code[i] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c < 128 ? char(c) : '\0';
    }
    for (const QByteArray &naming : namingCodes())
        if (naming[0] == code[0] && naming[1] == code[1] && naming[2] == code[2])
            return true;
    return false;
}

// What names a use in a line of each preset: its code and literals ("ITM +", "WAV !").
const QStringList &presetRoles()
{
    static const QStringList roles = [] {
        QStringList list;
        for (const PresetForm &form : presetForms()) {
            QString role = form.code;
            for (qsizetype i = 0; i < form.fields.size(); ++i)
                if (form.fields[i].kind == FieldKind::Literal)
                    role += (i == 0 ? QStringLiteral(" ") : QString()) + form.fields[i].text;
            list.append(role);
        }
        return list;
    }();
    return roles;
}

std::optional<ReferenceKind> kindOfField(const QString &code, FieldKind kind)
{
    switch (kind) {
    case FieldKind::ItemNumber:
        return ReferenceKind::Item;
    case FieldKind::GoalNumber:
        return ReferenceKind::Goal;
    case FieldKind::UnitName:
        return ReferenceKind::Unit;
    case FieldKind::SoundName:
        return ReferenceKind::Sound;
    case FieldKind::Text: // of these codes, only POS i has a text, an item's name
        return code == QLatin1String("POS") ? std::optional(ReferenceKind::ItemName) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

void MacroUses::addLine(int number, const QString &line)
{
    if (!mayName(line))
        return;
    const MacroLine parsed = parseMacroLine(line);
    if (parsed.preset < 0)
        return;
    if (m_uses.isEmpty())
        m_uses.reserve(8);
    const QString &role = presetRoles()[parsed.preset];
    for (const MacroField &field : parsed.fields) {
        const std::optional<ReferenceKind> kind = kindOfField(parsed.code, field.kind);
        if (!kind)
            continue;
        const auto [from, to] = trimmedSpan(line, field.start, field.end);
        if (const auto key = referenceKey(*kind, QStringView(line).mid(from, to - from)))
            m_uses.append({*kind, *key, number, from, to, role});
    }
    // XXX marks a square of the world on the automap as the goal.
    if (parsed.code == QLatin1String("XXX") && parsed.fields.size() >= 2)
        if (const auto key = squareKey(parsed.fields[0].text(line), parsed.fields[1].text(line)))
            m_uses.append({ReferenceKind::Square, *key, number, -1, -1, role});
}

} // namespace tav::refs
