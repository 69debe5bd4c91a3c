#include "core/check/game_check.h"

#include "core/check/rules.h"

#include <algorithm>

namespace tav::check {

namespace {

CheckReport checkListing(const GameListing &listing, refs::ReferenceIndex *index)
{
    CheckReport report;
    CheckContext context(listing, report);
    context.index = index;

    checkFolders(context);
    checkNames(context);
    References references;
    references.itemCount = checkItemNames(context);
    references.goalCount = checkGoals(context);
    checkPalette(context);
    checkSprites(context);
    checkSlots(context);
    checkPlayerFiles(context, references);
    checkUnits(context);
    checkMacros(context, references);
    checkMapFiles(context);
    checkAutomapTable(context);
    checkIdleSounds(context);
    if (const ListedEntry *version = listing.gamedata.find(QStringLiteral("VERSION.DAT")))
        context.readText(*version);
    // Each file's findings together, in line order.
    std::stable_sort(report.findings.begin(), report.findings.end(), [](const Finding &a, const Finding &b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    for (Finding &finding : report.findings)
        if (finding.path.isEmpty())
            finding.path = listing.shellPathOf(finding.file);
    for (HiddenFindings &more : report.hidden)
        more.path = listing.shellPathOf(more.file);
    for (MacroSummary &macro : report.macros)
        macro.path = listing.shellPathOf(macro.file);
    return report;
}

} // namespace

CheckReport checkGameFolder(const QString &rootOnDisk, refs::ReferenceIndex *index)
{
    return checkListing(GameListing::list(rootOnDisk), index);
}

CheckReport checkFiles(const FilesInMemory &files)
{
    return checkListing(GameListing::ofFiles(files), nullptr);
}

} // namespace tav::check
