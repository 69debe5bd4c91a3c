#pragma once

#include "core/common/line_fields.h"
#include "core/textform/formats.h"
#include "core/textform/json_path.h"

#include <memory>
#include <mutex>

namespace tav::textform {

// A line-per-field file described by its table of named lines. The JSON
// holds each line's value under its name; show prints "NNN name: value".
class LineTableFormat : public NamedTextFormat {
public:
    using NamedTextFormat::NamedTextFormat;

    Result<QJsonObject> read(const QByteArray &bytes) const override;
    QByteArray write(const QJsonObject &fields) const override;
    QString lineName(int line) const override;
    QStringList showLines(const QJsonObject &dump) const override;

protected:
    virtual const LineFieldTable &table() const = 0;
    // The JSON shape of the table's names, worked out on first use.
    const JsonLayout &layout() const;
    // The lines the kit writes after reading these lines; a failure when
    // the reader refuses them, with the line (from 1) it refused.
    virtual Result<QStringList> writtenLines(const QStringList &lines, int *refusedLine) const = 0;
    // Shown after a line's value ("(Rusty key)"), from the dump.
    virtual QString valueNote(const LineField &, const QJsonObject &) const { return QString(); }

private:
    mutable std::once_flag m_layoutMade;
    mutable std::unique_ptr<JsonLayout> m_layout;
};

} // namespace tav::textform
