#include "core/app/quit_question.h"

namespace tav {

QString quitQuestion(const QStringList &unsavedWork)
{
    if (unsavedWork.isEmpty())
        return QString();
    return QStringLiteral("Unsaved changes in: %1. Quit and lose them?").arg(unsavedWork.join(QStringLiteral(", ")));
}

} // namespace tav
