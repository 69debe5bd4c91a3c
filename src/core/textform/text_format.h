#pragma once

#include "core/common/line_scanner.h"
#include "core/common/result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace tav::textform {

// What a text form may add from the game folder around a file.
struct Surroundings {
    // ITMNAMES.DAT's item names, when the game folder was found.
    std::optional<QStringList> itemNames;
};

// One file format of the game as JSON: how its bytes become named fields and
// back. read() goes through the format's reader, write() through its writer,
// so the JSON holds what the kit makes of the file.
class TextFormat {
public:
    virtual ~TextFormat() = default;

    // The stable name in the JSON's "format" member: "unit", "sprite", ...
    virtual QString id() const = 0;
    // Whether a file name (any letter case, any folder) is of this format.
    virtual bool matchesName(const QString &fileName) const = 0;
    // The game path at which the checker looks at such a file.
    virtual QString checkPath() const = 0;
    // The longest base name the kit gives such a file (0: any).
    virtual int longestBaseName() const { return 0; }

    // The file's fields, or what the reader reports about a damaged file.
    virtual Result<QJsonObject> read(const QByteArray &bytes) const = 0;
    // The bytes the kit's writer writes for the fields; throws FieldError
    // for a value that does not fit.
    virtual QByteArray write(const QJsonObject &fields) const = 0;

    // Members shown for the reader's sake but never written (item names, a
    // macro's type): left out when JSON is loaded or compared.
    virtual QStringList shownOnly() const { return {}; }
    virtual void addSurroundings(QJsonObject &, const Surroundings &) const {}

    // What a lone CR in a line is to the format's reader.
    virtual LoneCr loneCr() const { return LoneCr::InLine; }

    // What the writer writes differently from the file as it was read.
    virtual QStringList normalisations(const QByteArray &file, const QByteArray &written) const;
    // The name of a line of the file (from 1), for the normalisations.
    virtual QString lineName(int) const { return QString(); }

    // The line-per-field text form for diffs.
    virtual QStringList showLines(const QJsonObject &dump) const;
};

// Every format the text forms know.
const QList<const TextFormat *> &textFormats();
const TextFormat *formatById(const QString &id);
// The format of a file: from the end of its name ("/tmp/ab12_PLAYER.STS"
// is a player file), or else from its content (a sprite's header).
const TextFormat *formatOf(const QString &fileName, const QByteArray &bytes);

// The differences of two text files line by line, for normalisations.
QStringList textDifferences(const QByteArray &file, const QByteArray &written, const TextFormat &format);

} // namespace tav::textform
