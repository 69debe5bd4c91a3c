#pragma once

#include <QObject>
#include <QSet>

#include <functional>

class QWidget;

namespace tav {

// Turns the changes of a window's controls into edits and steps of its
// document. Every change passes the form the window shows to `edited`; a
// change that is complete calls `committed`: a text box left or Return
// pressed in it at once; a slider released (or moved by a key), a box
// ticked, an entry chosen, a spinner stepped while no box is being typed
// into once the event is handled, so the changes the window's rules make
// with it (lowering containers lowers hearts) are in the same step. While the
// window repaints from its document the controls are not watched.
class FormWatch : public QObject {
    Q_OBJECT
public:
    FormWatch(QWidget *window, std::function<void()> edited, std::function<void()> committed);

    // Watches the window's controls, except those given (a name box that
    // is not part of the document).
    void watchControls(const QSet<QObject *> &except = {});

    // While one lives, control changes are the window's own repainting.
    class Repainting {
    public:
        explicit Repainting(FormWatch &watch)
            : m_watch(watch)
        {
            ++m_watch.m_repainting;
        }
        ~Repainting() { --m_watch.m_repainting; }
        Repainting(const Repainting &) = delete;
        Repainting &operator=(const Repainting &) = delete;

    private:
        FormWatch &m_watch;
    };
    bool isRepainting() const { return m_repainting > 0; }

private Q_SLOTS:
    void spinnerChanged() { changed(!typingInABox()); }

private:
    void changed(bool complete);
    // Whether a text box of the window is being typed into.
    bool typingInABox() const;

    QWidget *m_window;
    std::function<void()> m_edited;
    std::function<void()> m_committed;
    int m_repainting = 0;
    bool m_commitDue = false;
};

} // namespace tav
