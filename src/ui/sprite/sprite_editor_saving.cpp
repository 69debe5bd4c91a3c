// The sprite editor's save, and what load and "new" tell its saved mark:
// the sprite saver runs as a watched process whose failure is shown.
#include "ui/sprite/sprite_editor.h"

#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_name.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/launcher.h"
#include "ui/platform/please_wait.h"

#include <QCoreApplication>
#include <QDir>

namespace tav {
namespace {

const QString kErrorTitle = QStringLiteral("Error!");
// The saver needs milliseconds; a hung one does not keep the kit from ending.
constexpr int kSaverWaitMs = 5000;

} // namespace

void Form12::Command2_Click()
{
    const QString name = m_document.name();
    if (name.isEmpty()) {
        Command3_Click();
        return;
    }
    if (!mayReplaceDamagedFile(name))
        return;
    if (isDosSpriteName(name) && checkSpriteFileName(name) && !m_document.mayWrite(spriteFileGamePath(name)))
        return;
    const Status handedOver = writeHandoffFile(m_folder, m_document.XSize(), m_document.YSize(), m_document.Matrix());
    if (!handedOver) {
        platform::showError(QStringLiteral("The sprite was not saved: the hand-off file for the sprite saver "
                                           "could not be written."),
                            kErrorTitle, handedOver.error());
        return;
    }
    if (!isDosSpriteName(name)) {
        platform::showMessage(kDosNameMessage, kErrorTitle, platform::Icon::Critical);
        return;
    }
    if (const Status inside = checkSpriteFileName(name); !inside) {
        platform::showError(inside.error(), kErrorTitle);
        return;
    }
    startSaver(name);
}

bool Form12::mayReplaceDamagedFile(const QString &name)
{
    const QString damage = m_document.saveState().damageReplacedBy(name);
    return damage.isEmpty() || platform::askYesNo(damagedSpriteQuestion(name), QStringLiteral("Warning!"), damage);
}

void Form12::startSaver(const QString &name)
{
    const SpriteImage form = m_document.snapshot();
    platform::WatchedProgram *saver = nullptr;
    {
        platform::PleaseWait wait(this, false);
        saver = platform::launcher().startWatched(m_folder, saverCommandLine(name), platform::WindowStyle::Hidden,
                                                  this);
    }
    if (!saver) {
        platform::showError(QStringLiteral("The sprite saver SPRSVR could not be started, so %1 was not written.")
                                .arg(spriteFileGamePath(name)),
                            kErrorTitle,
                            QStringLiteral("The kit runs the SPRSVR installed beside it, in %1, and it is not "
                                           "there. Install the kit again, with its sprite saver.")
                                .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
        return;
    }
    m_document.saveState().saveStarted(form);
    m_savers.append(saver);
    connect(saver, &platform::WatchedProgram::ended, this,
            [this, saver, form, name](int exitCode, const QString &errorOutput) {
                m_savers.removeAll(saver);
                saver->deleteLater();
                saverEnded(form, name, exitCode, errorOutput);
            });
}

void Form12::saverEnded(const SpriteImage &saved, const QString &name, int exitCode, const QString &errorOutput)
{
    m_document.saveEnded(saved, name, exitCode == 0);
    if (exitCode == 0)
        return;
    const QString reason =
        errorOutput.isEmpty() ? QStringLiteral("It ended with exit status %1.").arg(exitCode) : errorOutput;
    platform::showError(QStringLiteral("The sprite saver SPRSVR did not save %1; the sprite is still in the editor.")
                            .arg(spriteFileGamePath(name)),
                        kErrorTitle, reason);
}

void Form12::tookLoadedSprite(const QString &fallback)
{
    m_document.tookFile(fallback);
    if (!fallback.isEmpty())
        platform::showMessage(damagedSpriteWarning(m_document.name(), m_document.XSize(), m_document.YSize()),
                              QStringLiteral("Warning!"), platform::Icon::Exclamation, platform::Buttons::Ok,
                              fallback);
}

void Form12::tookNewSprite()
{
    m_document.tookFile();
}

QString Form12::unsavedWork() const
{
    return m_document.unsavedWork();
}

void Form12::finishWork()
{
    const QList<QPointer<platform::WatchedProgram>> running = m_savers;
    for (const QPointer<platform::WatchedProgram> &saver : running)
        if (saver)
            saver->waitForEnd(kSaverWaitMs);
}

} // namespace tav
