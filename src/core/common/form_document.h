#pragma once

#include "core/common/document.h"

#include <QUndoCommand>

#include <utility>

namespace tav {

// A document whose present form is one value (a unit, a player state, an
// automap entry). The window passes every change of its controls with
// edit(); what was edited becomes one named step at commit() (a box losing
// the focus, Return, a slider released) or at once with change() (a
// command). Each step holds the form before and after; undo and redo put one
// of them back and the window repaints from form().
template <typename Form> class FormDocument : public Document {
public:
    explicit FormDocument(const GameFolder &folder, Form initial = Form{}, QObject *parent = nullptr)
        : Document(folder, parent)
        , m_present(initial)
        , m_committed(initial)
        , m_saved(std::move(initial))
    {
    }

    const Form &form() const { return m_present; }
    // The window's first form: no step, nothing to lose.
    void start(const Form &form)
    {
        m_present = m_committed = m_saved = form;
        m_restored = false;
        this->history().clear();
        noteChange();
    }
    const Form &savedForm() const { return m_saved; }

    // The window shows this form now; no step yet.
    void edit(const Form &form)
    {
        if (form == m_present)
            return;
        m_present = form;
        noteChange();
    }
    // What was edited since the last step becomes one, named after what
    // changed unless a name is given.
    void commit(const QString &name = QString())
    {
        if (m_committed == m_present)
            return;
        const QString stepName = name.isEmpty() ? describeChange(m_committed, m_present) : name;
        this->history().push(new Step(*this, m_committed, m_present, stepName));
    }
    // A command's change, one step at once.
    void change(const QString &name, const Form &form)
    {
        commit();
        edit(form);
        commit(name);
    }
    // The document's file holds the present form now (loaded or saved).
    void markSaved()
    {
        m_saved = m_present;
        m_restored = false;
        noteChange();
    }
    bool isUnsaved() const override { return m_restored || !sameContent(m_present, m_saved); }

protected:
    // The name of a step from its forms: "health 20 -> 35".
    virtual QString describeChange(const Form &before, const Form &after) const = 0;
    // Whether two forms would write the same file.
    virtual bool sameContent(const Form &a, const Form &b) const { return a == b; }
    void commitPendingEdit() override { commit(); }

    // A form the window shows already that is no step (a choice of what to
    // edit): the history goes on from it.
    void takeQuietly(const Form &form)
    {
        commit();
        m_present = m_committed = form;
        noteChange();
    }
    bool isRestored() const { return m_restored; }

    // A form from history, a restore or a reload: the window repaints.
    void replaceForm(const Form &form)
    {
        m_present = m_committed = form;
        noteChange();
        Q_EMIT formReplaced();
    }
    // A recovered form: unsaved until the next save.
    void takeRestored(const Form &form)
    {
        commit();
        m_restored = true;
        replaceForm(form);
    }
    // A form read from the document's file, as one step; it is saved then.
    void takeLoaded(const QString &name, const Form &form)
    {
        commit();
        if (!(form == m_present))
            this->history().push(new Step(*this, m_present, form, name, true));
        markSaved();
    }

private:
    class Step : public QUndoCommand {
    public:
        Step(FormDocument &document, Form before, Form after, const QString &name, bool replaceOnPush = false)
            : QUndoCommand(name)
            , m_document(document)
            , m_before(std::move(before))
            , m_after(std::move(after))
            , m_shown(!replaceOnPush)
        {
        }
        // The first run finds the form in place already, unless it comes
        // from elsewhere (a file).
        void redo() override
        {
            if (m_shown) {
                m_shown = false;
                m_document.m_committed = m_after;
                return;
            }
            m_document.replaceForm(m_after);
        }
        void undo() override { m_document.replaceForm(m_before); }

    private:
        FormDocument &m_document;
        Form m_before;
        Form m_after;
        bool m_shown;
    };

    Form m_present;
    Form m_committed;
    Form m_saved;
    bool m_restored = false;
};

} // namespace tav
