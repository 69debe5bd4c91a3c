#pragma once

#include "core/check/finding.h"
#include "core/check/folder_listing.h"
#include "core/common/file_io.h"
#include "core/common/line_scanner.h"
#include "core/common/text_file.h"
#include "core/refs/reference_index.h"

#include <QByteArray>

#include <optional>

namespace tav::check {

// A text file as the listing found it and as it reads.
struct ListedText {
    const ListedEntry *entry;
    TextFile file;
};

// What the rules share while a game folder is checked: the listing, where
// findings go, and the reading of files, each once.
class CheckContext {
public:
    CheckContext(const GameListing &listing, CheckReport &report)
        : listing(listing)
        , findings(report)
    {
    }

    const GameListing &listing;
    Findings findings;
    // Where the rules put the uses of names they find, when asked for.
    refs::ReferenceIndex *index = nullptr;

    // Counts a file as checked (for rules that only look at its listing).
    void count() { ++findings.report().filesChecked; }

    // False, with an error finding, for a folder standing where a file belongs.
    bool isFile(const ListedEntry &entry);

    // The bytes of a listed file. A folder, an unreadable file or one past the
    // readers' size limit gives an error finding and nothing.
    std::optional<QByteArray> read(const ListedEntry &entry, qint64 maxBytes = kReadLimitBytes);
    // The lines of a text file; warns about lines ended by a bare LF.
    std::optional<TextFile> readText(const ListedEntry &entry);
    void warnAboutBareLineEnds(const ListedEntry &entry, const TextFile &file);
    // Warns about lines ended by a bare LF, and those ended by a lone CR
    // (which only a macro's reading finds).
    void warnAboutStrayLineEnds(const ListedEntry &entry, const StrayLineEnds &ends);

    // A text file directly in GAMEDATA that the kit reads; a warning when it is missing.
    std::optional<ListedText> readGameDataText(const QString &name);

    // The named file of a folder; when it is missing, a finding of the given
    // severity and nothing (no finding in a folder that could not be read).
    const ListedEntry *require(const ListedFolder &folder, const QString &name, Severity severity,
                               const char *code = "file-missing");
};

} // namespace tav::check
