#include "core/check/rules.h"

#include "core/refs/reference_index.h"

namespace tav::check {
namespace {

constexpr int kLongestBaseName = 8;

// The files of a folder with an extension the kit writes names for.
void checkNameLengths(CheckContext &context, const ListedFolder &folder, const QString &extension)
{
    for (const ListedEntry &entry : folder.entries()) {
        if (entry.isFolder || !entry.name.endsWith(extension, Qt::CaseInsensitive))
            continue;
        const qsizetype baseLength = entry.name.size() - extension.size();
        if (baseLength > kLongestBaseName)
            context.findings.error(entry.gamePath, 0, "name-too-long",
                                   QStringLiteral("file name has %1 characters before the extension; "
                                                  "the kit reads and writes at most 8")
                                       .arg(baseLength))
                .note = QStringLiteral("rename it to at most 8 characters before the extension");
    }
}

} // namespace

void checkFolders(CheckContext &context)
{
    for (const ListedFolder *folder : context.listing.unreadable()) {
        context.findings
            .error(folder->gamePath(), 0, "folder-unreadable", QStringLiteral("cannot be read: ") + folder->readError())
            .note = QStringLiteral("give the user who checks the folder read and search permission on it (chmod)");
        if (context.index)
            context.index->addUnread(folder->gamePath(), folder->readError());
    }
}

void checkNames(CheckContext &context)
{
    const GameListing &listing = context.listing;
    checkNameLengths(context, listing.grafik, QStringLiteral(".SPR"));
    for (const ListedFolder &folder : listing.spriteFolders)
        checkNameLengths(context, folder, QStringLiteral(".SPR"));
    checkNameLengths(context, listing.units, QStringLiteral(".UNI"));
    checkNameLengths(context, listing.macros, QStringLiteral(".cmd"));

    for (const ListedFolder *folder : listing.all()) {
        for (const ListedEntry &entry : folder->namesNotText()) {
            context.count();
            Finding &finding = context.findings.error(entry.gamePath, 0, "name-not-text",
                                                      QStringLiteral("name is not valid text; the kit cannot open it"));
            finding.note = QStringLiteral("rename it to plain letters and digits (in a shell, with mv and a wildcard)");
            // Given here: the escaped name holds a backslash, the game's separator.
            finding.path = folder->shellPathOf(entry.name);
        }
        for (const auto &[entry, first] : folder->caseClashes())
            context.findings.error(entry->gamePath, 0, "name-case-clash",
                                   QStringLiteral("differs from %1 only in letter case; the game's file system "
                                                  "cannot hold both")
                                       .arg(first->name));
    }
}

} // namespace tav::check
