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
    QString shown(const Finding &finding) const { return shown(finding.file, finding.path); }
    QString shown(const QString &file, const QString &path) const { return m_gamePaths ? file : shellPath(path); }

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

// Every finding's lines, each file's findings followed by a note line for
// each code with findings past the listed ones:
// "GAMEDATA/MAKRO/BIG.cmd: note: 4900 more macro-unknown-command findings not shown".
QStringList reportLines(const CheckReport &report, const FindingPaths &paths = FindingPaths());

// "3 errors, 1 warning in 412 files", counting every finding, listed or not.
QString summaryLine(const CheckReport &report);

// The findings as one JSON array of objects (path, file, line, severity,
// code, message and note when there is one; line is null for a whole file),
// followed by one object per macro with severity "info", code "macro-type"
// and its type and info comment as the load dialog shows them. Findings
// past the listed ones are one object each file and code, after the file's
// findings, with severity "note", the code, a message and their "count".
QByteArray reportJson(const CheckReport &report, const FindingPaths &paths = FindingPaths());

} // namespace tav::check
