#pragma once

#include "core/check/finding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tav::check {

// How findings name their files: as the shell sees them from the current
// folder (relative when the game folder was given relative or not at all,
// absolute when it was given absolute), or in the game's own form.
class FindingPaths {
public:
    explicit FindingPaths(const QString &folder = QString(), bool gamePaths = false);

    // A path below the game folder as the shell sees it.
    QString shellPath(const QString &path) const;
    // The path text output starts a finding with.
    QString shown(const Finding &finding) const { return m_gamePaths ? finding.file : shellPath(finding.path); }

private:
    QString m_folder;
    bool m_absolute = false;
    bool m_gamePaths = false;
};

// "GAMEDATA/UNITS/ORC.UNI:5: error: ...", the form editors and CI logs read,
// without a line number when no one line is at fault, and a "note:" line
// after it when the finding has one. Control characters are escaped, so each
// is one line.
QStringList findingLines(const Finding &finding, const FindingPaths &paths = FindingPaths());

// "3 errors, 1 warning in 412 files".
QString summaryLine(const CheckReport &report);

// The findings as one JSON array of objects (path, file, line, severity,
// code, message and note when there is one; line is null for a whole file),
// followed by one object per macro with severity "info", code "macro-type"
// and its type and info comment as the load dialog shows them.
QByteArray reportJson(const CheckReport &report, const FindingPaths &paths = FindingPaths());

} // namespace tav::check
