#pragma once

#include <QString>
#include <QStringList>

namespace tav {

// What closing the launch window asks when windows hold work not yet saved,
// each named as the window answers ("Macro editor (ELDER)"): "Unsaved changes
// in: Macro editor (ELDER), Sprite editor (\UNITS\BATU1). Quit and lose
// them?". Empty when nothing would be lost, so the kit ends at once.
QString quitQuestion(const QStringList &unsavedWork);

inline const QString kQuitQuestionTitle = QStringLiteral("Quit");

} // namespace tav
