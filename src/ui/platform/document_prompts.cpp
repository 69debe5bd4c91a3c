#include "ui/platform/document_prompts.h"

#include "ui/platform/dialogs.h"

namespace tav::platform {
namespace {

const QString kTitle = QStringLiteral("Warning!");

class MessageBoxPrompts final : public DocumentPrompts {
public:
    bool mayReplaceChangedFile(const QString &gamePath) override
    {
        return askYesNoDefaultNo(changedFileQuestion(gamePath), kTitle, Icon::Exclamation);
    }
    void tell(const QString &text, const QString &detail) override { showError(text, QStringLiteral("Error"), detail); }
};

} // namespace

DocumentPrompts &documentPrompts()
{
    static MessageBoxPrompts prompts;
    return prompts;
}

bool offerReload(Document &document)
{
    if (!document.changeToAskAbout())
        return false;
    if (!askYesNo(reloadChangedFileQuestion(document.gamePath()), kTitle))
        return false;
    if (const Status loaded = document.reload(); !loaded) {
        showError(
            QStringLiteral("%1 could not be loaded again; the window keeps what it shows.").arg(document.gamePath()),
            QStringLiteral("Error"), loaded.error());
        return false;
    }
    return true;
}

} // namespace tav::platform
