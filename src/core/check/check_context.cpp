#include "core/check/check_context.h"

#include "core/common/file_io.h"

namespace tav::check {

bool CheckContext::isFile(const ListedEntry &entry)
{
    if (entry.isFolder)
        findings.error(entry.gamePath, 0, "file-is-folder", QStringLiteral("is a folder where a file belongs"));
    return !entry.isFolder;
}

std::optional<QByteArray> CheckContext::read(const ListedEntry &entry, qint64 maxBytes)
{
    count();
    if (!isFile(entry))
        return std::nullopt;
    Result<QByteArray> bytes = readWholeFile(entry.diskPath, maxBytes);
    if (!bytes) {
        findings.error(entry.gamePath, 0, "file-unreadable", bytes.error());
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
    if (file.bareLfLines > 0) {
        const QString more =
            file.bareLfLines > 1 ? QStringLiteral(" (and %1 more lines)").arg(file.bareLfLines - 1) : QString();
        findings
            .warning(entry.gamePath, file.firstBareLfLine, "text-bare-lf",
                     QStringLiteral("line ends with a bare LF instead of CR LF%1").arg(more))
            .note = QStringLiteral("save the file with CR LF line ends (for example with unix2dos)");
    }
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
    if (!entry)
        findings.add(folder.gamePathOf(name), 0, severity, code, QStringLiteral("is missing"));
    return entry;
}

} // namespace tav::check
