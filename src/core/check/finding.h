#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace tav::check {

// `error`: the game or the kit would read the file wrongly or not at all.
// `warning`: it reads, but is probably a mistake.
enum class Severity { Error, Warning };

// One thing wrong with a game folder, where it is.
struct Finding {
    QString file; // game path as the game writes it: "GAMEDATA\UNITS\ORC.UNI"
    int line = 0; // from 1; 0 when no one line is at fault
    Severity severity = Severity::Error;
    QString code; // short and stable: "unit-afraid-code"
    QString message;
    QString note; // the one obvious fix, when there is one
    QString path; // below the game folder as the disk spells it: "GAMEDATA/UNITS/ORC.UNI"
    friend bool operator==(const Finding &, const Finding &) = default;
};

// A macro's type and info comment as the load dialog shows them.
struct MacroSummary {
    QString file;
    QString path;
    QString type;
    std::optional<QString> info;
};

// A report lists at most this many findings of one code in one file; the
// rest are counted, so a huge file cannot flood the output or the memory.
inline constexpr int kListedFindingsPerCode = 100;

// The findings of one code in one file past the listed ones.
struct HiddenFindings {
    QString file;
    QString path;
    Severity severity = Severity::Error;
    QString code;
    int count = 0;

    // "4900 more macro-unknown-command findings not shown"
    QString message() const;
};

// Everything a check of a game folder found.
struct CheckReport {
    QList<Finding> findings;
    QList<HiddenFindings> hidden; // counted, not listed
    QList<MacroSummary> macros;
    int filesChecked = 0;

    // Listed and hidden findings alike.
    int count(Severity severity) const;
};

// Offending text for a message: in single quotes, cut at 40 characters.
QString quoted(const QString &text);

// Where the rules put what they find. Past kListedFindingsPerCode findings
// of one code in one file, a finding is only counted.
class Findings {
public:
    explicit Findings(CheckReport &report)
        : m_report(report)
    {
    }

    // Each gives the finding added, so a rule can give it a note.
    Finding &error(const QString &file, int line, const char *code, const QString &message)
    {
        return add(file, line, Severity::Error, code, message);
    }
    Finding &warning(const QString &file, int line, const char *code, const QString &message)
    {
        return add(file, line, Severity::Warning, code, message);
    }
    Finding &add(const QString &file, int line, Severity severity, const char *code, const QString &message);

    CheckReport &report() { return m_report; }

private:
    CheckReport &m_report;
    QHash<QString, int> m_perFileAndCode;    // findings so far of a file and code
    QHash<QString, qsizetype> m_hiddenIndex; // their entry in the report's hidden ones
    Finding m_unlisted;                      // what add() gives for a finding only counted
};

} // namespace tav::check
