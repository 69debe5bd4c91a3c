#pragma once

#include <utility>

namespace tav {

// A document's saved/changed mark: the form it had when it last matched its
// file (loaded, saved, or started empty), against which its present form is
// compared. Changing a field and changing it back is no change; a save that
// wrote an older form leaves every later edit unsaved.
template <typename Form>
class SavedMark {
public:
    SavedMark() = default;
    explicit SavedMark(Form saved)
        : m_saved(std::move(saved))
    {
    }

    // The file now holds this form.
    void markSaved(Form form) { m_saved = std::move(form); }
    bool isChanged(const Form &now) const { return !(now == m_saved); }
    const Form &saved() const { return m_saved; }

private:
    Form m_saved{};
};

} // namespace tav
