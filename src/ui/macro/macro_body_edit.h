#pragma once

#include "core/macro/macro_document.h"

#include <QPlainTextEdit>

#include <optional>

namespace tav {

// The macro editor's body `Text2`: a plain text box whose text is formatted
// live. The formatted text lives in the document's `MacroBody` (line breaks
// CR LF); the box shows its lines. Every change, typed, pasted or made by the
// program, is formatted on the lines it touches only, so typing stays quick
// in long macros, and is one step of the document's history (the box keeps
// no history of its own).
//
// A caret that formatting leaves between the CR and the LF of a line break
// cannot be shown in the box; it stands at the end of that line instead.
class MacroBodyEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MacroBodyEdit(MacroDocument &macro, QWidget *parent = nullptr);

    const MacroBody &body() const { return m_document.body(); }
    QString bodyText() const { return body().text(); }
    // The caret as a place in the body.
    TextPos caret() const;

    // Replaces the whole text, as an assignment does: formatted, caret at the
    // start.
    void assign(const QString &text);
    // Inserts a preset as a line above the caret's line or inside it.
    void insertPreset(const QString &preset);

Q_SIGNALS:
    // After every change of the body.
    void bodyChanged();
    // The preset that matches the command being typed.
    void presetLookedUp(int index);

protected:
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    // A typed change not formatted yet: the box is unchanged before `start`
    // and in its last `unchangedTail` characters.
    struct PendingChange {
        int start;
        int unchangedTail;
        // What was typed or pasted, for the name of the step.
        QString inserted;
    };

    // Where a change comes from decides how the box is brought up to date.
    enum class Origin {
        Typed,    // the box holds the change already; a preset is looked up
        Inserted, // the box still holds the old text
        Assigned, // the whole text was replaced
    };

    void noteChange(int position, int charsRemoved, int charsAdded);
    void formatPendingChange();
    void applyEdit(const BodyEdit &edit, Origin origin, qsizetype shownFirst = -1, qsizetype shownLast = -1,
                   const QString &stepName = QString());
    // History, a load or a restore replaced lines of the body.
    void showReplacedLines(qsizetype first, qsizetype removed, const QStringList &lines, TextPos caret);
    void showPercentWarnings(int count);
    void showLines(qsizetype firstBlock, qsizetype lastBlock, const QStringList &lines);
    void showCaret(TextPos caret);
    void showWholeBody();

    MacroDocument &m_document;
    std::optional<PendingChange> m_pending;
    // The caret a paste asks for, as a body offset, when it differs from
    // where the box leaves it.
    std::optional<qsizetype> m_pastedCaret;
    bool m_showing = false;
};

} // namespace tav
