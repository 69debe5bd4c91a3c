#include "core/check/rules.h"

#include "core/common/windows1252.h"
#include "core/enemy/unit_catalog.h"
#include "core/enemy/unit_codes.h"
#include "core/enemy/unit_file.h"
#include "core/refs/file_uses.h"

#include <algorithm>

namespace tav::check {
namespace {

using namespace tav::enemy;

QString codeList(std::span<const CodedEntry> entries)
{
    QList<int> codes;
    for (const CodedEntry &entry : entries)
        codes.append(entry.code);
    std::sort(codes.begin(), codes.end());
    QStringList texts;
    for (int code : codes)
        texts.append(QString::number(code));
    return texts.join(QStringLiteral(", "));
}

bool hasCode(std::span<const CodedEntry> entries, long long code)
{
    return std::any_of(entries.begin(), entries.end(), [code](const CodedEntry &e) { return e.code == code; });
}

struct UnitRange {
    UnitLine line;
    ValueRange range;
    const char *what;
};

constexpr UnitRange kRanges[] = {
    {UnitLine::Speed, kSpeedRange, "speed"},
    {UnitLine::Health, kHealthRange, "health"},
    {UnitLine::Attack, kAttackRange, "attack"},
    {UnitLine::HeavyBody, {0, 1}, "heavy-body flag"},
    {UnitLine::ZombieLike, {0, 1}, "zombie-like flag"},
    {UnitLine::Shooting, {0, 8}, "shooting"},
};

class UnitFileCheck {
public:
    UnitFileCheck(CheckContext &context, const ListedEntry &entry, const QStringList &lines)
        : m_context(context)
        , m_entry(entry)
        , m_lines(lines)
        , m_reading(parseUnitFile(lines))
    {
    }

    void run()
    {
        if (m_lines.size() < kUnitFileLines)
            error(0, "unit-lines", QStringLiteral("ends after line %1; a unit file has 12 lines").arg(m_lines.size()));
        else if (m_lines.size() > kUnitFileLines)
            m_context.findings.warning(
                m_entry.gamePath, kUnitFileLines + 1, "unit-lines",
                QStringLiteral("holds %1 lines; those after line 12 are never read").arg(m_lines.size()));
        for (int line = int(UnitLine::Behaviour); line <= qMin<qsizetype>(m_lines.size(), kUnitFileLines); ++line)
            if (!stored(UnitLine(line)))
                error(line, "unit-number", QStringLiteral("%1 is not a number").arg(quoted(m_lines[line - 1])));
        checkCodes();
        checkSprites();
        checkName();
    }

private:
    std::optional<long long> stored(UnitLine line) const { return m_reading.stored[std::size_t(line)]; }

    void error(int line, const char *code, const QString &message)
    {
        m_context.findings.error(m_entry.gamePath, line, code, message);
    }

    void checkCoded(UnitLine line, std::span<const CodedEntry> entries, const char *code, const char *what)
    {
        if (const auto v = stored(line); v && !hasCode(entries, *v))
            error(
                int(line), code,
                QStringLiteral("%1 code %2 is not one of %3").arg(QLatin1String(what)).arg(*v).arg(codeList(entries)));
    }

    void checkCodes()
    {
        if (const auto v = stored(UnitLine::Behaviour); v && (*v == 0 || *v > kBehaviourCount || *v < -kBehaviourCount))
            error(int(UnitLine::Behaviour), "unit-behaviour",
                  QStringLiteral("behaviour %1 is not 1 to 4 (-1 to -4 for a boss)").arg(*v));
        checkCoded(UnitLine::AfraidOf, afraidOfEntries(), "unit-afraid-code", "afraid-of");
        checkCoded(UnitLine::CannotBeHurtWith, cannotBeHurtWithEntries(), "unit-hurt-code", "cannot-be-hurt-with");
        for (const UnitRange &r : kRanges)
            if (const auto v = stored(r.line); v && (*v < r.range.minimum || *v > r.range.maximum))
                error(int(r.line), "unit-range",
                      QStringLiteral("%1 %2 is not %3 to %4")
                          .arg(QLatin1String(r.what))
                          .arg(*v)
                          .arg(r.range.minimum)
                          .arg(r.range.maximum));
        if (const auto v = stored(UnitLine::Teleporting); v && !hasCode(teleportingEntries(), *v)) {
            const std::optional<int> entry = teleportingEntryFor(*v);
            m_context.findings.warning(
                m_entry.gamePath, int(UnitLine::Teleporting), "unit-teleport",
                QStringLiteral("teleporting %1 is not one of %2 (%3)")
                    .arg(*v)
                    .arg(codeList(teleportingEntries()),
                         entry ? QStringLiteral("read as %1").arg(teleportingEntries()[std::size_t(*entry)].code)
                               : QStringLiteral("the editor keeps its choice")));
        }
    }

    void checkSprites()
    {
        if (m_lines.size() < int(UnitLine::Sprite))
            return;
        const QString base = m_lines[int(UnitLine::Sprite) - 1];
        const bool boss = stored(UnitLine::Behaviour).value_or(1) < 0;
        const QString folderPath = unitSpriteFolder(boss);
        const QString sprite = base + QStringLiteral("U1.SPR");
        if (m_context.listing.spriteFolderLacks(folderPath.section(QLatin1Char('\\'), 1), sprite))
            error(int(UnitLine::Sprite), "unit-sprite-missing",
                  QStringLiteral("sprite base name %1 has no %2 in %3").arg(quoted(base), sprite, folderPath));
        const QString zombie = base + QStringLiteral("Z1.SPR");
        if (stored(UnitLine::ZombieLike).value_or(0) != 0 &&
            m_context.listing.spriteFolderLacks(QStringLiteral("UNITS"), zombie))
            error(int(UnitLine::ZombieLike), "unit-zombie-sprite",
                  QStringLiteral("is zombie-like, but GRAFIK\\UNITS has no %1").arg(zombie));
    }

    void checkName()
    {
        const QString name = m_entry.name.chopped(4);
        if (name != upperCaseIn1252(name))
            m_context.findings.warning(m_entry.gamePath, 0, "unit-name-case",
                                       QStringLiteral("unit name %1 is not in upper case; the editor lists it as %2")
                                           .arg(quoted(name), upperCaseIn1252(name)));
    }

    CheckContext &m_context;
    const ListedEntry &m_entry;
    const QStringList &m_lines;
    const UnitReading m_reading;
};

} // namespace

void checkUnits(CheckContext &context)
{
    for (const ListedEntry &entry : context.listing.units.entries()) {
        if (!entry.name.endsWith(QStringLiteral(".UNI"), Qt::CaseInsensitive))
            continue;
        if (const std::optional<TextFile> file = context.readText(entry)) {
            UnitFileCheck(context, entry, file->lines).run();
            if (context.index)
                refs::indexUnitFile(*context.index, entry.gamePath, file->lines);
        }
    }
}

} // namespace tav::check
