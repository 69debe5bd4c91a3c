// A small game folder of any bytes, checked as `tavtool check` checks it: no
// input crashes the rules, and every finding names a file, keeps its line
// and prints as lines that stay lines. The uses the same pass finds make
// plans that change only what they name.
//
// The input is a list of files, each one byte choosing its game path from
// the table below, two bytes of length (little-endian) and the bytes.
#include "core/check/game_check.h"
#include "core/check/report_format.h"
#include "core/refs/rename_plan.h"
#include "core/refs/renumber_plan.h"
#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <iterator>

namespace {

const char *const kPaths[] = {
    "GAMEDATA/MASTER.PAL",     "GAMEDATA/AUTOMAP.DAT",      "GAMEDATA/GOALS.DAT",   "GAMEDATA/ITMNAMES.DAT",
    "GAMEDATA/PEOPLE.DAT",     "GAMEDATA/DEF_PIDL.DAT",     "GAMEDATA/SLOTS.INI",   "GAMEDATA/VERSION.DAT",
    "GAMEDATA/MAPS/PLAYER.STS", "GAMEDATA/MAPS/TRAIN.STS",  "GAMEDATA/SAVE1/SKILL.STS", "GAMEDATA/SAVE1/PLAYER.STS",
    "GAMEDATA/UNITS/ORC.UNI",  "GAMEDATA/UNITS/bat.uni",    "GAMEDATA/MAKRO/ELDER.cmd", "GAMEDATA/MAKRO/ITEMS.CMD",
    "GRAFIK/ORC.SPR",          "GRAFIK/UNITS/ORCU1.SPR",    "GRAFIK/BOSS/KINGU1.SPR", "GAMEDATA/MAPS/01-01-00.MAP",
    "SOUNDS/bell.wav",         "AUTOMAP.CHT",
};

void put(const QString &root, const char *path, const QByteArray &bytes)
{
    const QString disk = root + QLatin1Char('/') + QLatin1String(path);
    QDir().mkpath(disk.section(QLatin1Char('/'), 0, -2));
    QFile file(disk);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav::check;
    static QTemporaryDir *const scratch = new QTemporaryDir;
    const QString root = scratch->path() + QStringLiteral("/game");
    QDir(root).removeRecursively();
    QDir().mkpath(root + QStringLiteral("/GAMEDATA"));
    for (std::size_t at = 0; at + 3 <= size;) {
        const char *path = kPaths[data[at] % std::size(kPaths)];
        const std::size_t length = std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        put(root, path, tav::fuzz::bytes(data + at + 3, length));
        at += 3 + length;
    }

    tav::refs::ReferenceIndex index;
    const CheckReport report = checkGameFolder(root, &index);
    const FindingPaths paths(root);
    for (const Finding &finding : report.findings) {
        FUZZ_CHECK(!finding.file.isEmpty() && !finding.path.isEmpty() && !finding.message.isEmpty());
        FUZZ_CHECK(finding.line >= 0);
        FUZZ_CHECK(!finding.path.contains(QLatin1Char('\\')));
        for (const QString &line : findingLines(finding, paths))
            FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    }
    FUZZ_CHECK(QJsonDocument::fromJson(reportJson(report, paths)).isArray());

    using namespace tav::refs;
    const tav::GameFolder folder(root);
    for (const Use &use : index.usesOf(ReferenceKind::Sound))
        FUZZ_CHECK(use.reference.line >= 1 && use.reference.from <= use.reference.to);
    const auto plans = {planRename(folder, index, ReferenceKind::Sprite, "ORC", "GOB"),
                        planRename(folder, index, ReferenceKind::Sound, "bell", "gong"),
                        planRenumber(folder, index, ReferenceKind::Item, 1, 2),
                        planGoalDelete(folder, index, 0)};
    for (const auto &plan : plans) {
        if (!plan)
            continue;
        for (const FileChange &change : plan->changes)
            FUZZ_CHECK(change.isRename() || change.before != change.after);
        const ChangePlan undo = plan->inverse();
        FUZZ_CHECK(undo.changes.size() == plan->changes.size());
        for (qsizetype i = 0; i < undo.changes.size(); ++i)
            FUZZ_CHECK(undo.changes[i].after == plan->changes[plan->changes.size() - 1 - i].before);
    }
    return 0;
}
