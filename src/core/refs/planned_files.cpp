#include "core/refs/planned_files.h"

#include "core/common/file_io.h"
#include "core/common/windows1252.h"

#include <algorithm>

namespace tav::refs {

Result<LineBytes *> PlannedFiles::lines(const QString &file)
{
    auto found = m_files.find(file);
    if (found == m_files.end()) {
        const Result<QByteArray> bytes = readWholeFile(m_folder.resolve(file));
        if (!bytes)
            return bytes.status();
        Edited edited{bytes.value(), LineBytes(bytes.value(), LineBytes::loneCrOf(file)), {}};
        found = m_files.emplace(file, std::move(edited)).first;
        m_order.append(file);
    }
    return &found->second.lines;
}

Status PlannedFiles::replace(const Use &use, const QString &text)
{
    return replace(use, [&text](const QString &) { return text; });
}

Status PlannedFiles::replaceNumber(const Use &use, int number)
{
    return replace(use, [number](const QString &there) {
        const int width = there.size() > 1 && there.startsWith(QLatin1Char('0')) ? int(there.size()) : 0;
        return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    });
}

Status PlannedFiles::replace(const Use &use, const std::function<QString(const QString &there)> &newText)
{
    const Result<LineBytes *> file = lines(use.file);
    if (!file)
        return file.status();
    const Reference &ref = use.reference;
    LineBytes &edit = *file.value();
    const QByteArray line = ref.line <= edit.size() ? edit.text(ref.line) : QByteArray();
    const QString there = decode1252(line.mid(ref.from, ref.to - ref.from));
    if (!ref.isSpan() || ref.to > line.size() || referenceKey(ref.kind, there) != ref.key)
        return Status::failure(QStringLiteral("%1 changed since it was read: line %2 no longer names %3 %4; run the "
                                              "change again to take it in.")
                                   .arg(use.file)
                                   .arg(ref.line)
                                   .arg(kindName(ref.kind), ref.key));
    const QString text = newText(there);
    edit.replace(ref.line, ref.from, ref.to, encode1252(text));
    const QString kind = kindName(ref.kind);
    addNote(use.file, {ref.line, QStringLiteral("%1 %2 becomes %3").arg(kind, there, text),
                       QStringLiteral("%1 %2 becomes %3").arg(kind, text, there)});
    return Status::success();
}

void PlannedFiles::addNote(const QString &file, ChangeNote note)
{
    if (const auto found = m_files.find(file); found != m_files.end())
        found->second.notes.append(std::move(note));
}

QList<FileChange> PlannedFiles::changes() const
{
    QList<FileChange> changes;
    for (const QString &file : m_order) {
        const Edited &edited = m_files.at(file);
        QByteArray after = edited.lines.bytes();
        if (after == edited.before)
            continue;
        QList<ChangeNote> notes = edited.notes;
        std::stable_sort(notes.begin(), notes.end(),
                         [](const ChangeNote &a, const ChangeNote &b) { return a.line < b.line; });
        changes.append({file, QString(), edited.before, std::move(after), std::move(notes)});
    }
    return changes;
}

Status checkEveryUseKnown(const ReferenceIndex &index)
{
    const QList<Unread> unread = index.unread();
    if (unread.isEmpty())
        return Status::success();
    return Status::failure(QStringLiteral("%1 could not be read (%2), so the uses it holds are not known. Nothing was "
                                          "changed; make it readable and run the change again.")
                               .arg(unread.first().file, unread.first().reason));
}

} // namespace tav::refs
