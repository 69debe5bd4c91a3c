#include "core/app/state_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tav {

QString stateRoot()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // The variable holds an absolute path or is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/tav-designer"));
}

QString stateFolderFor(const QString &gameFolderRoot)
{
    const QFileInfo info(gameFolderRoot);
    const QString canonical = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    QString name;
    for (const QChar c : QFileInfo(canonical).fileName())
        name += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(12);
    return stateRoot() + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("root") : name) + QLatin1Char('-') +
           QString::fromLatin1(hash);
}

} // namespace tav
