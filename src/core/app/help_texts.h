#pragma once

#include <QList>
#include <QString>

namespace tav {

// A text of a help folder, as its list shows it.
struct HelpText {
    QString fileName;  // "UNITS.txt"
    QString diskPath;
    QString firstLine; // the first line that is not blank, trimmed; may be empty
};

// How much of a text is read to find its first line.
inline constexpr qint64 kHelpFirstLineBytes = 4096;

// The texts ("*.txt", any letter case) of a folder on disk, by file name
// without regard to case; none when the folder is missing or unreadable.
// Only the start of each file is read.
QList<HelpText> listHelpTexts(const QString &diskFolder);

// The first line that is not blank of a text's start (Windows-1252, CR LF or
// LF), trimmed.
QString firstTextLine(const QByteArray &start);

} // namespace tav
