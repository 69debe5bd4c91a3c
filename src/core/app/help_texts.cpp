#include "core/app/help_texts.h"

#include "core/common/windows1252.h"

#include <QDir>
#include <QFile>

namespace tav {

QString firstTextLine(const QByteArray &start)
{
    for (const QByteArray &line : start.split('\n')) {
        const QString text = decode1252(line).trimmed();
        if (!text.isEmpty())
            return text;
    }
    return QString();
}

QList<HelpText> listHelpTexts(const QString &diskFolder)
{
    QList<HelpText> texts;
    const QDir folder(diskFolder);
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : files) {
        QFile file(info.absoluteFilePath());
        const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(kHelpFirstLineBytes) : QByteArray();
        texts.append({info.fileName(), info.absoluteFilePath(), firstTextLine(start)});
    }
    return texts;
}

} // namespace tav
