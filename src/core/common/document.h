#pragma once

#include "core/common/file_identity.h"
#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUndoStack>

namespace tav {

// What a document asks and tells the designer while it saves or takes a step
// that writes a file. Windows answer through their message boxes; without
// prompts nothing changed elsewhere is replaced and nothing is told.
class DocumentPrompts {
public:
    virtual ~DocumentPrompts() = default;
    // The file changed since the document loaded or saved it: replace it?
    virtual bool mayReplaceChangedFile(const QString &gamePath) = 0;
    // A step could not be taken; `detail` gives the reason.
    virtual void tell(const QString &text, const QString &detail = QString()) = 0;
};

// The question asked before a save replaces a file another program changed.
QString changedFileQuestion(const QString &gamePath);
// The question asked when a window becomes active and its file changed.
QString reloadChangedFileQuestion(const QString &gamePath);

// The steps a history keeps at least.
inline constexpr int kHistorySteps = 1000;

// What a tool window edits: its present form, the file it belongs to with
// that file's identity at the last load or save (apart from any name box),
// its history of named steps, whether it holds work not saved, and its text
// form for recovery copies. Windows show a document and turn events into
// changes on it; whoever closes the kit, writes recovery copies or looks for
// a file's unsaved form asks documents, never a window's fields.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(const GameFolder &folder, QObject *parent = nullptr);
    ~Document() override;

    const GameFolder &folder() const { return m_folder; }

    // The window as the quit and recovery questions name it ("Macro editor")
    // and a stable id for its recovery copy ("macro").
    virtual QString windowName() const = 0;
    virtual QString windowId() const = 0;
    // The work in short: "ELDER", "\ORC".
    virtual QString workName() const = 0;
    // "Macro editor (ELDER)" while something would be lost, empty otherwise.
    virtual QString unsavedWork() const;
    virtual bool isUnsaved() const = 0;
    // Grows with every change of the present form or the saved state.
    quint64 revision() const { return m_revision; }

    // The game path of the file ("GAMEDATA\MAKRO\ELDER.cmd"); empty while
    // the document belongs to no file.
    const QString &gamePath() const { return m_gamePath; }
    const FileIdentity &fileIdentity() const { return m_identity; }
    // The document was just read from or written to this file, which holds
    // what it holds now; `bytes` are those bytes when known (saves a read).
    void takeFile(const QString &gamePath, const QByteArray *bytes = nullptr);
    void setFile(const QString &gamePath, const FileIdentity &identity);
    // Whether another program changed, created or deleted the file since.
    bool fileChangedElsewhere() const;
    // Before a save to `target`: true unless it is the document's file and
    // another program changed it, and the designer does not want it replaced.
    bool mayWrite(const QString &target) const;
    // When the window becomes active: true once for each change of the file
    // by another program (not for a file that is gone: nothing to load).
    bool changeToAskAbout();

    // History. Documents that keep their own (the sprite ring) override all.
    virtual bool canUndo() const { return m_history->canUndo(); }
    virtual bool canRedo() const { return m_history->canRedo(); }
    virtual QString undoText() const { return m_history->undoText(); }
    virtual QString redoText() const { return m_history->redoText(); }
    virtual void undo();
    virtual void redo();
    QUndoStack &history() { return *m_history; }
    // Documents of one window may keep one history (the definition
    // parameters' two lists): this one's steps go to `owner`'s.
    void shareHistoryOf(Document &owner);
    // A step that is not a change of the form (a file deleted, a list entry
    // written); the stack takes it and runs it.
    void pushStep(QUndoCommand *step);

    // The text form: the format's id ("macro"), the bytes the file would
    // hold, and what the window holds beyond the file.
    virtual QString formatId() const = 0;
    virtual QByteArray fileBytes() const = 0;
    virtual QJsonObject windowState() const { return {}; }
    // Takes a recovered copy; the document is unsaved afterwards until saved.
    // Bytes or a window state the document cannot take are refused and
    // leave it as it was.
    virtual Status restore(const QByteArray &fileBytes, const QJsonObject &windowState) = 0;
    // Loads its file again as one step ("load ELDER").
    virtual Status reload() = 0;

    void setPrompts(DocumentPrompts *prompts) { m_prompts = prompts; }
    DocumentPrompts *prompts() const { return m_prompts; }

Q_SIGNALS:
    // The present form, the saved state or the file changed.
    void changed();
    // Undo, redo, a restore or a reload put a form in place that the window
    // does not show yet.
    void formReplaced();
    void historyChanged();
    // The document was just loaded from or saved to its file (setFile).
    void fileTaken();

protected:
    void noteChange();
    // Pending edits become a step before the history moves.
    virtual void commitPendingEdit() {}

private:
    GameFolder m_folder;
    QString m_gamePath;
    FileIdentity m_identity;
    FileIdentity m_askedAbout;
    QUndoStack m_ownHistory;
    QUndoStack *m_history = &m_ownHistory;
    quint64 m_revision = 0;
    DocumentPrompts *m_prompts = nullptr;
};

// Game paths name the same file whatever their letter case and separators.
bool sameGamePath(const QString &a, const QString &b);

} // namespace tav
