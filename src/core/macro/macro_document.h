#pragma once

#include "core/common/document.h"
#include "core/macro/macro_body.h"

#include <QStringList>

#include <optional>

namespace tav {

// The macro editor's document: the macro's name as the name box holds it and
// its formatted body. Every change of the body is one step (a keystroke and
// the formatting it triggers together), so undo brings the body back as it
// was before that keystroke; "New" and a load are one step each, and so is an
// edit of the name once the box is left.
class MacroDocument : public Document {
    Q_OBJECT
public:
    static inline const QString kNoName = QStringLiteral("NoName");

    explicit MacroDocument(const GameFolder &folder, QObject *parent = nullptr);

    const MacroBody &body() const { return m_body; }
    const QString &name() const { return m_name; }
    // The name the macro was last loaded or saved under; none after "New".
    const std::optional<QString> &ownName() const { return m_ownName; }

    // A change of the body, formatted: one step, named after the edit unless
    // a name is given.
    BodyChange applyEdit(const BodyEdit &edit, const QString &stepName = QString());
    // The name of a step that put `inserted` in place of what was there:
    // "type "a"", "new line", "delete", "paste".
    static QString stepNameFor(const QString &inserted);
    // The name box shows this name; it becomes a step when committed.
    void editName(const QString &name);
    void commitName();

    // "New": name "NoName", empty body, no file; one step, nothing to lose.
    void newMacro();
    // A macro file's bytes, taken line by line through the live formatting
    // as the load dialog does, as one step "load NAME"; the macro then
    // matches that file. Returns how many "%" characters were dropped.
    int load(const QString &name, const QByteArray &bytes);
    // The name and body were just written to the file of the name.
    void markSaved(const QByteArray &written);

    QString windowName() const override { return QStringLiteral("Macro editor"); }
    QString windowId() const override { return QStringLiteral("macro"); }
    QString workName() const override { return m_name; }
    bool isUnsaved() const override;
    QString formatId() const override { return QStringLiteral("macro"); }
    QByteArray fileBytes() const override;
    QJsonObject windowState() const override;
    Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) override;
    Status reload() override;

Q_SIGNALS:
    // History, a load or a restore replaced `removed` lines from `first` on
    // by `lines`; the caret goes to `caret`.
    void linesReplaced(qsizetype first, qsizetype removed, const QStringList &lines, tav::TextPos caret);
    void nameReplaced(const QString &name);
    // A load or restore dropped misplaced "%" characters; one warning each.
    void percentsDropped(int count);

protected:
    void commitPendingEdit() override { commitName(); }

private:
    class Step;
    friend class Step;
    // Several changes as one step, announced to the window at the end.
    class Compound;

    void putBack(qsizetype first, qsizetype count, const QStringList &lines, TextPos caret, const QString &name);
    void replaceAll(const QString &name, const QString &text, const QString &stepName, int *dropped);

    MacroBody m_body;
    QString m_name = kNoName;
    QString m_committedName = kNoName;
    std::optional<QString> m_ownName;
    QString m_savedName = kNoName;
    QStringList m_savedLines{QString()};
    bool m_restored = false;
    int m_compoundDepth = 0;
    mutable quint64 m_unsavedRevision = ~quint64(0);
    mutable bool m_unsaved = false;
};

} // namespace tav
