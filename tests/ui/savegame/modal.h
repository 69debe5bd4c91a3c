#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace tav::test {

// Runs `act` on the modal dialog a call is about to open, then makes sure it
// closes, so a test can drive a dialog shown with exec().
inline void whenModalOpens(std::function<void(QDialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace tav::test
