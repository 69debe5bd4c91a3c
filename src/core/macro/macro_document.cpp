#include "core/macro/macro_document.h"

#include "core/common/windows1252.h"
#include "core/macro/macro_file.h"

#include <QUndoCommand>

#include <algorithm>

namespace tav {
namespace {

constexpr qsizetype kLongestTypedName = 12;

// Where two versions of a stretch of lines first differ.
TextPos firstDifference(qsizetype first, const QStringList &a, const QStringList &b)
{
    const qsizetype lines = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < lines; ++i) {
        if (a[i] == b[i])
            continue;
        qsizetype column = 0;
        while (column < a[i].size() && column < b[i].size() && a[i][column] == b[i][column])
            ++column;
        return TextPos{first + i, column};
    }
    return TextPos{first + lines - 1, lines > 0 ? std::min(a[lines - 1].size(), b[lines - 1].size()) : 0};
}

} // namespace

// One step: the name before and after, and the lines it replaced (none for
// a change of the name alone, `first` is then -1).
class MacroDocument::Step : public QUndoCommand {
public:
    Step(MacroDocument &document, const QString &name, QString nameBefore, QString nameAfter, qsizetype first,
         QStringList before, QStringList after, TextPos caretAfter)
        : QUndoCommand(name)
        , m_document(document)
        , m_nameBefore(std::move(nameBefore))
        , m_nameAfter(std::move(nameAfter))
        , m_first(first)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_caretAfter(caretAfter)
    {
    }

    void redo() override
    {
        // The first run finds the change in place.
        if (std::exchange(m_inPlace, false))
            return;
        m_document.putBack(m_first, m_before.size(), m_after, m_caretAfter, m_nameAfter);
    }
    void undo() override
    {
        m_document.putBack(m_first, m_after.size(), m_before, firstDifference(m_first, m_before, m_after),
                           m_nameBefore);
    }

private:
    MacroDocument &m_document;
    QString m_nameBefore;
    QString m_nameAfter;
    qsizetype m_first;
    QStringList m_before;
    QStringList m_after;
    TextPos m_caretAfter;
    bool m_inPlace = true;
};

class MacroDocument::Compound {
public:
    Compound(MacroDocument &document, QString name)
        : m_document(document)
        , m_name(std::move(name))
        , m_nameBefore(document.m_name)
        , m_linesBefore(document.m_body.lines())
    {
        m_document.commitName();
        ++m_document.m_compoundDepth;
    }
    ~Compound()
    {
        --m_document.m_compoundDepth;
        m_document.m_committedName = m_document.m_name;
        const QStringList after = m_document.m_body.lines();
        if (m_nameBefore != m_document.m_name || m_linesBefore != after)
            m_document.history().push(
                new Step(m_document, m_name, m_nameBefore, m_document.m_name, 0, m_linesBefore, after, TextPos{}));
        m_document.noteChange();
        Q_EMIT m_document.linesReplaced(0, m_linesBefore.size(), after, TextPos{});
        Q_EMIT m_document.nameReplaced(m_document.m_name);
    }

private:
    MacroDocument &m_document;
    QString m_name;
    QString m_nameBefore;
    QStringList m_linesBefore;
};

QString MacroDocument::stepNameFor(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("delete");
    const auto isBreak = [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator;
    };
    if (std::all_of(text.begin(), text.end(), isBreak) && text.size() <= 2)
        return QStringLiteral("new line");
    if (text.size() <= kLongestTypedName && std::none_of(text.begin(), text.end(), isBreak))
        return QStringLiteral("type \"%1\"").arg(text);
    return QStringLiteral("paste");
}

MacroDocument::MacroDocument(const GameFolder &folder, QObject *parent)
    : Document(folder, parent)
{
}

BodyChange MacroDocument::applyEdit(const BodyEdit &edit, const QString &stepName)
{
    if (m_compoundDepth == 0)
        commitName();
    BodyChange change = m_body.apply(edit);
    if (m_compoundDepth == 0 && change.removed != change.lines)
        history().push(new Step(*this, stepName.isEmpty() ? stepNameFor(edit.inserted) : stepName, m_name, m_name,
                                change.firstLine, change.removed, change.lines, change.caret));
    noteChange();
    return change;
}

void MacroDocument::editName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    noteChange();
}

void MacroDocument::commitName()
{
    if (m_name == m_committedName || m_compoundDepth > 0)
        return;
    const QString before = std::exchange(m_committedName, m_name);
    history().push(
        new Step(*this, QStringLiteral("name %1 -> %2").arg(before, m_name), before, m_name, -1, {}, {}, TextPos{}));
}

void MacroDocument::putBack(qsizetype first, qsizetype count, const QStringList &lines, TextPos caret,
                            const QString &name)
{
    if (first >= 0)
        m_body.replaceLines(first, count, lines);
    const bool renamed = name != m_name;
    m_name = m_committedName = name;
    // The window is told once the document is all there.
    noteChange();
    if (first >= 0)
        Q_EMIT linesReplaced(first, count, lines, caret);
    if (renamed)
        Q_EMIT nameReplaced(name);
}

void MacroDocument::replaceAll(const QString &name, const QString &text, const QString &stepName, int *dropped)
{
    const Compound step(*this, stepName);
    const qsizetype last = m_body.lineCount() - 1;
    BodyChange change = m_body.apply(BodyEdit{TextPos{}, TextPos{last, m_body.line(last).size()}, text, std::nullopt});
    if (dropped)
        *dropped += int(change.droppedPercents.size());
    m_name = name;
}

void MacroDocument::newMacro()
{
    replaceAll(kNoName, QString(), QStringLiteral("new macro"), nullptr);
    // An empty macro loses nothing; it belongs to no file yet.
    m_savedName = m_name;
    m_savedLines = m_body.lines();
    m_restored = false;
    m_ownName.reset();
    setFile(QString(), FileIdentity{});
}

int MacroDocument::load(const QString &name, const QByteArray &bytes)
{
    int dropped = 0;
    {
        const Compound step(*this, QStringLiteral("load %1").arg(name));
        const qsizetype last = m_body.lineCount() - 1;
        m_body.apply(BodyEdit{TextPos{}, TextPos{last, m_body.line(last).size()}, QString(), std::nullopt});
        // Each line and its CR LF are one change, formatted as typing them
        // would be.
        for (const QString &line : macroLines(bytes)) {
            const qsizetype end = m_body.lineCount() - 1;
            const TextPos at{end, m_body.line(end).size()};
            dropped +=
                int(m_body.apply(BodyEdit{at, at, line + QStringLiteral("\r\n"), std::nullopt}).droppedPercents.size());
        }
        m_name = name;
    }
    m_savedName = m_name;
    m_savedLines = m_body.lines();
    m_restored = false;
    m_ownName = name;
    takeFile(macroFilePath(name), &bytes);
    if (dropped > 0)
        Q_EMIT percentsDropped(dropped);
    return dropped;
}

void MacroDocument::markSaved(const QByteArray &written)
{
    commitName();
    m_savedName = m_name;
    m_savedLines = m_body.lines();
    m_restored = false;
    m_ownName = m_name;
    takeFile(macroFilePath(m_name), &written);
}

bool MacroDocument::isUnsaved() const
{
    if (m_unsavedRevision != revision()) {
        m_unsavedRevision = revision();
        m_unsaved = m_restored || m_name != m_savedName || m_body.lineCount() != m_savedLines.size();
        for (qsizetype i = 0; !m_unsaved && i < m_savedLines.size(); ++i)
            m_unsaved = m_body.line(i) != m_savedLines[i];
    }
    return m_unsaved;
}

QByteArray MacroDocument::fileBytes() const
{
    return encode1252(m_body.text());
}

QJsonObject MacroDocument::windowState() const
{
    return QJsonObject{{QStringLiteral("name"), m_name}};
}

Status MacroDocument::restore(const QByteArray &fileBytes, const QJsonObject &windowState)
{
    const QJsonValue name = windowState.value(QStringLiteral("name"));
    if (!name.isString())
        return Status::failure(QStringLiteral("the copy does not name the macro"));
    int dropped = 0;
    replaceAll(name.toString(), decode1252(fileBytes), QStringLiteral("restore unsaved work"), &dropped);
    m_restored = true;
    noteChange();
    if (dropped > 0)
        Q_EMIT percentsDropped(dropped);
    return Status::success();
}

Status MacroDocument::reload()
{
    if (!m_ownName)
        return Status::failure(QStringLiteral("The macro belongs to no file yet."));
    const Result<QByteArray> bytes = readMacroFile(folder(), *m_ownName);
    if (!bytes)
        return bytes.status();
    load(*m_ownName, bytes.value());
    return Status::success();
}

} // namespace tav
