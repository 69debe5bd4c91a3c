#include "core/check/check_context.h"

#include "core/common/file_io.h"

namespace tav::check {

bool CheckContext::isFile(const ListedEntry &entry)
{
    if (entry.isFolder) {
        findings.error(entry.gamePath, 0, "file-is-folder", QStringLiteral("is a folder where a file belongs"));
        if (index)
            index->addUnread(entry.gamePath, QStringLiteral("a folder where a file belongs"));
    }
    return !entry.isFolder;
}

std::optional<QByteArray> CheckContext::read(const ListedEntry &entry, qint64 maxBytes)
{
    count();
    if (!isFile(entry))
        return std::nullopt;
    if (entry.contents && entry.contents->size() <= maxBytes)
        return entry.contents;
    Result<QByteArray> bytes =
        entry.contents ? Result<QByteArray>::failure(QStringLiteral("is too large (more than %1 bytes)").arg(maxBytes))
                       : readWholeFile(entry.diskPath, maxBytes);
    if (!bytes) {
        findings.error(entry.gamePath, 0, "file-unreadable", bytes.error());
        if (index)
            index->addUnread(entry.gamePath, bytes.error());
        return std::nullopt;
    }
    return std::move(bytes).value();
}

std::optional<TextFile> CheckContext::readText(const ListedEntry &entry)
{
    const std::optional<QByteArray> bytes = read(entry);
    if (!bytes)
        return std::nullopt;
    TextFile file = TextFile::fromBytes(*bytes);
    warnAboutBareLineEnds(entry, file);
    return file;
}

void CheckContext::warnAboutBareLineEnds(const ListedEntry &entry, const TextFile &file)
{
    warnAboutStrayLineEnds(entry, StrayLineEnds{file.bareLfLines, file.firstBareLfLine, 0, 0});
}

namespace {

QString andMore(int lines)
{
    return lines > 1 ? QStringLiteral(" (and %1 more lines)").arg(lines - 1) : QString();
}

} // namespace

void CheckContext::warnAboutStrayLineEnds(const ListedEntry &entry, const StrayLineEnds &ends)
{
    const QString fix = QStringLiteral("save the file with CR LF line ends (for example with unix2dos)");
    if (ends.bareLf > 0)
        findings
            .warning(entry.gamePath, ends.firstBareLf, "text-bare-lf",
                     QStringLiteral("line ends with a bare LF instead of CR LF%1").arg(andMore(ends.bareLf)))
            .note = fix;
    if (ends.loneCr > 0)
        findings
            .warning(entry.gamePath, ends.firstLoneCr, "text-bare-cr",
                     QStringLiteral("line ends with a lone CR (no LF after it)%1; the macro editor takes it as a "
                                    "line break and saves CR LF there, so the text after it is a line of its own")
                         .arg(andMore(ends.loneCr)))
            .note = QStringLiteral("put CR LF where a new line is meant, or remove the CR");
}

std::optional<ListedText> CheckContext::readGameDataText(const QString &name)
{
    const ListedEntry *entry = require(listing.gamedata, name, Severity::Warning);
    if (!entry)
        return std::nullopt;
    std::optional<TextFile> file = readText(*entry);
    if (!file)
        return std::nullopt;
    return ListedText{entry, std::move(*file)};
}

const ListedEntry *CheckContext::require(const ListedFolder &folder, const QString &name, Severity severity,
                                         const char *code)
{
    const ListedEntry *entry = folder.find(name);
    if (!entry && folder.readError().isEmpty())
        findings.add(folder.gamePathOf(name), 0, severity, code, QStringLiteral("is missing"));
    return entry;
}

} // namespace tav::check
