#include "ui/app/kit_session.h"

#include "core/app/launch_plan.h"
#include "core/app/state_folder.h"
#include "core/app/termination_signals.h"
#include "ui/app/tool_windows.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/please_wait.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

namespace tav {
namespace {

QString canonicalRoot(const GameFolder &folder)
{
    const QFileInfo info(folder.root());
    return info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
}

// How long a deadly signal waits for a long operation before it asks again.
constexpr int kBusyRetryMs = 100;

} // namespace

KitSession::KitSession(const GameFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_lock(stateFolderFor(folder.root()))
    , m_store(stateFolderFor(folder.root()), canonicalRoot(folder))
{
}

KitSession::~KitSession() = default;

void KitSession::stateProblem(const QString &reason)
{
    if (std::exchange(m_problemSaid, true))
        return;
    platform::showMessage(QStringLiteral("Unsaved work cannot be kept safe: %1").arg(reason),
                          QStringLiteral("Warning!"), platform::Icon::Exclamation, platform::Buttons::Ok,
                          QStringLiteral("The kit goes on and every save works as always, but no copy of work not "
                                         "saved yet can be written to %1, and a second Tav designer on this game "
                                         "folder is not noticed.")
                              .arg(QDir::toNativeSeparators(m_store.folder())));
}

bool KitSession::takeFolder()
{
    switch (m_lock.tryLock()) {
    case KitLock::Outcome::Locked:
        break;
    case KitLock::Outcome::HeldByOther:
        if (!platform::askYesNoDefaultNo(otherKitQuestion(m_lock.holder()), QStringLiteral("Tav designer"),
                                         platform::Icon::Question))
            return false;
        break;
    case KitLock::Outcome::Failed:
        stateProblem(m_lock.error());
        break;
    }
    const Status opened = m_store.open();
    m_storeOpen = opened.ok();
    if (!opened)
        stateProblem(opened.error());
    return true;
}

void KitSession::attach(ToolWindows &windows)
{
    m_windows = &windows;
    m_writer = std::make_unique<RecoveryWriter>(windows.documents(), m_store);
    m_writer->setEnabled(m_storeOpen);
    connect(m_writer.get(), &RecoveryWriter::failed, this, &KitSession::stateProblem);
    windows.setDiscardHandler([this] {
        m_discarded = true;
        m_writer->discardAll();
    });

    m_signals = new TerminationSignals(this);
    connect(m_signals, &TerminationSignals::received, this, &KitSession::endKeepingWork);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // A logout is never blocked: no question, the copies are kept.
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { endKeepingWork(); });
        connect(app, &QGuiApplication::saveStateRequest, this, [this](QSessionManager &) { keepWork(); });
    }
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_discarded)
            keepWork();
    });
}

void KitSession::keepWork()
{
    if (m_writer && !m_discarded)
        m_writer->flush();
}

void KitSession::endKeepingWork()
{
    // A long operation under way finishes first.
    if (platform::PleaseWait::current()) {
        QTimer::singleShot(kBusyRetryMs, this, &KitSession::endKeepingWork);
        return;
    }
    if (m_windows) {
        m_windows->setEnding();
        m_windows->finishWork();
    }
    keepWork();
    QCoreApplication::exit(0);
}

void KitSession::setAside(const QStringList &paths, const QString &what, bool restorable)
{
    if (paths.isEmpty())
        return;
    const QString folder = QDir::toNativeSeparators(m_store.setAsideFolder());
    if (const Status moved = m_store.setAside(paths); !moved) {
        platform::showError(QStringLiteral("%1 could not be set aside; they stay where they are.").arg(what),
                            QStringLiteral("Error"), moved.error());
        return;
    }
    QString text = QStringLiteral("%1 set aside in %2. They are kept there for %3 days")
                       .arg(what, folder)
                       .arg(RecoveryStore::kSetAsideDays);
    text +=
        restorable ? QStringLiteral("; \"tavtool load COPY.json FILE\" restores one by hand.") : QStringLiteral(".");
    platform::showMessage(text, QStringLiteral("Information"), platform::Icon::Information);
}

void KitSession::offerLeftovers()
{
    if (!m_storeOpen || !m_windows)
        return;
    m_store.tidy(QDateTime::currentDateTime());
    const QList<RecoveryStore::Leftover> leftovers = m_store.leftovers();
    QList<RecoveryStore::Leftover> offered;
    QStringList damaged;
    QStringList damagedNames;
    QSet<QString> windowsOffered;
    for (const RecoveryStore::Leftover &leftover : leftovers) {
        const QString name = QFileInfo(leftover.path).fileName();
        if (!leftover.copy) {
            damaged << leftover.path;
            damagedNames << QStringLiteral("%1 (%2)").arg(name, leftover.copy.error());
        } else if (!windowOfDocument(leftover.copy->header.window)) {
            damaged << leftover.path;
            damagedNames << QStringLiteral("%1 (it names no window of this kit)").arg(name);
        } else if (windowsOffered.contains(leftover.copy->header.window)) {
            // An older copy of the same window: the newest one is offered.
            damaged << leftover.path;
            damagedNames << QStringLiteral("%1 (an older copy of %2)").arg(name, recoveryLabel(leftover.copy->header));
        } else {
            windowsOffered.insert(leftover.copy->header.window);
            offered.append(leftover);
        }
    }
    if (!damaged.isEmpty())
        setAside(damaged,
                 QStringLiteral("Copies of unsaved work that cannot be restored (%1) were")
                     .arg(damagedNames.join(QStringLiteral("; "))),
                 false);
    if (offered.isEmpty())
        return;
    QStringList labels;
    for (const RecoveryStore::Leftover &leftover : offered)
        labels << recoveryLabel(leftover.copy->header);
    const QString question = QStringLiteral("The Tav designer ended without saving: %1. Restore this work?")
                                 .arg(labels.join(QStringLiteral(", ")));
    if (platform::askYesNo(question, QStringLiteral("Unsaved work"))) {
        restore(offered);
        return;
    }
    QStringList paths;
    for (const RecoveryStore::Leftover &leftover : offered)
        paths << leftover.path;
    setAside(paths, QStringLiteral("The unsaved work was"), true);
}

void KitSession::restore(const QList<RecoveryStore::Leftover> &copies)
{
    QStringList restored;
    QStringList failed;
    QStringList failedNames;
    for (const RecoveryStore::Leftover &leftover : copies) {
        const RecoveryCopy &copy = *leftover.copy;
        const ToolWindow window = *windowOfDocument(copy.header.window);
        m_windows->load(window);
        Document *document = m_windows->documents().byWindowId(copy.header.window);
        const Result<QByteArray> bytes = recoveredFileBytes(copy);
        const Status taken = !document ? Status::failure(QStringLiteral("no window holds it"))
                             : bytes   ? document->restore(bytes.value(), copy.window)
                                       : bytes.status();
        if (!taken) {
            failed << leftover.path;
            failedNames << QStringLiteral("%1 (%2)").arg(recoveryLabel(copy.header), taken.error());
            continue;
        }
        document->setFile(copy.header.gamePath, copy.header.identity);
        m_windows->show(window);
        restored << leftover.path;
    }
    // The restored work is copied by this kit before the old copies go.
    if (m_writer)
        m_writer->flush();
    m_store.discard(restored);
    if (!failed.isEmpty())
        setAside(
            failed,
            QStringLiteral("Copies that could not be restored (%1) were").arg(failedNames.join(QStringLiteral("; "))),
            false);
}

} // namespace tav
