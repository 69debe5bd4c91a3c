#pragma once

#include "core/common/document.h"

#include <QFileInfo>
#include <QList>
#include <QUndoCommand>

namespace tav {

// One change of a list file: an entry inserted, removed or replaced. An
// entry is known by its index and its text.
template <typename Entry> struct ListChange {
    enum class Kind { Insert, Remove, Replace };
    Kind kind = Kind::Insert;
    // The place in the list; -1 appends an inserted entry.
    int index = -1;
    Entry before{}; // the entry removed or replaced
    Entry after{};  // the entry inserted or put in its place

    ListChange inverse() const
    {
        switch (kind) {
        case Kind::Insert:
            return {Kind::Remove, index, after, before};
        case Kind::Remove:
            return {Kind::Insert, index, after, before};
        case Kind::Replace:
            break;
        }
        return {Kind::Replace, index, after, before};
    }
};

// A list the window writes to its file after every change (the mission
// goals, the person idle sounds). Each change is a step that is applied to
// the file as it is just before the write: the file is read again, the one
// insert, remove or replace is made on it, it is written, and the list is
// refreshed from the result, so lines another program added stay. Undo and
// redo apply the inverse change the same way. When the entry to remove or
// replace is no longer in the file, the step says so and writes nothing.
template <typename Entry> class ListFileDocument : public Document {
public:
    ListFileDocument(const GameFolder &folder, QString gamePath, QObject *parent = nullptr)
        : Document(folder, parent)
        , m_path(std::move(gamePath))
    {
    }

    const QList<Entry> &entries() const { return m_entries; }

    // Reads the file when the window opens; a failure leaves the list empty.
    Status open()
    {
        Result<QList<Entry>> read = readList();
        if (!read)
            return read.status();
        m_entries = m_saved = read.value();
        Q_EMIT formReplaced();
        takeFile(m_path);
        return Status::success();
    }
    // A change as a step; false when it could not be made.
    bool apply(const QString &stepName, const ListChange<Entry> &change)
    {
        auto *step = new Step(*this, stepName, change);
        pushStep(step);
        return m_lastApplied;
    }
    // Writes the list again as the file holds it (a record cut short goes),
    // without a step.
    void rewrite() { applyToFile(nullptr); }

    bool isUnsaved() const override { return !(m_entries == m_saved); }
    QString workName() const override { return m_path; }
    QString windowName() const override { return QStringLiteral("Definition parameters"); }
    Status reload() override
    {
        const Status opened = open();
        noteChange();
        return opened;
    }

protected:
    virtual Result<QList<Entry>> readList() const = 0;
    virtual Status writeList(const QList<Entry> &entries) const = 0;
    virtual QString entryText(const Entry &entry) const = 0;
    // "The goal "Go home"".
    virtual QString entryName(const Entry &entry) const = 0;

    void takeEntries(QList<Entry> entries, bool saved)
    {
        m_entries = std::move(entries);
        if (saved)
            m_saved = m_entries;
        noteChange();
        Q_EMIT formReplaced();
    }
    const QString &path() const { return m_path; }

private:
    class Step : public QUndoCommand {
    public:
        Step(ListFileDocument &document, const QString &name, const ListChange<Entry> &change)
            : QUndoCommand(name)
            , m_document(document)
            , m_change(change)
        {
        }
        void redo() override { run(m_change, false); }
        void undo() override { run(m_change.inverse(), true); }

    private:
        void run(ListChange<Entry> change, bool undoing)
        {
            m_document.m_lastApplied = m_document.applyToFile(&change);
            if (!m_document.m_lastApplied) {
                setObsolete(true);
                return;
            }
            // The place the entry took, for the way back.
            (undoing ? m_change = change.inverse() : m_change = change);
        }

        ListFileDocument &m_document;
        ListChange<Entry> m_change;
    };

    // Finds the entry of a change in the list: at its index, or else the
    // nearest one with its text.
    int locate(const QList<Entry> &list, const ListChange<Entry> &change) const
    {
        const QString text = entryText(change.before);
        if (change.index >= 0 && change.index < list.size() && entryText(list[change.index]) == text)
            return change.index;
        int found = -1;
        for (int i = 0; i < list.size(); ++i)
            if (entryText(list[i]) == text &&
                (found < 0 || std::abs(i - change.index) < std::abs(found - change.index)))
                found = i;
        return found;
    }

    // Applies a change (none: only rewrites) to the file as it is now. A
    // list that holds changes not written yet (a write failed, work was
    // restored) is the base itself, written over the file only when it did
    // not change elsewhere or the designer agrees.
    bool applyToFile(ListChange<Entry> *change)
    {
        QList<Entry> list = m_entries;
        QString unreadable;
        if (!isUnsaved()) {
            const Result<QList<Entry>> read = readList();
            if (read) {
                list = read.value();
            } else if (QFileInfo::exists(folder().resolve(m_path))) {
                if (!change)
                    return false;
                unreadable = read.error().isEmpty() ? QStringLiteral("unreadable") : read.error();
            }
        } else if (!mayWrite(m_path)) {
            return false;
        }
        if (change && !applyChange(list, *change))
            return false;
        if (!unreadable.isEmpty()) {
            tell(QStringLiteral("%1 exists but could not be read, so it is not overwritten. The change is kept in "
                                "the list on screen only.")
                     .arg(m_path),
                 unreadable);
            takeEntries(list, false);
            return true;
        }
        if (const Status written = writeList(list); !written) {
            tell(QStringLiteral("%1 could not be saved. The file was left as it was; the change is kept in the "
                                "list on screen.")
                     .arg(m_path),
                 written.error());
            takeEntries(list, false);
            return true;
        }
        takeEntries(list, true);
        takeFile(m_path);
        return true;
    }

    bool applyChange(QList<Entry> &list, ListChange<Entry> &change) const
    {
        using Kind = typename ListChange<Entry>::Kind;
        if (change.kind == Kind::Insert) {
            change.index = change.index < 0 || change.index > list.size() ? int(list.size()) : change.index;
            list.insert(change.index, change.after);
            return true;
        }
        const int at = locate(list, change);
        if (at < 0) {
            tell(
                QStringLiteral("%1 is no longer in %2, so nothing was written.").arg(entryName(change.before), m_path));
            return false;
        }
        change.index = at;
        if (change.kind == Kind::Remove)
            list.removeAt(at);
        else
            list[at] = change.after;
        return true;
    }

    void tell(const QString &text, const QString &detail = QString()) const
    {
        if (prompts())
            prompts()->tell(text, detail);
    }

    QString m_path;
    QList<Entry> m_entries;
    QList<Entry> m_saved;
    bool m_lastApplied = false;
};

} // namespace tav
