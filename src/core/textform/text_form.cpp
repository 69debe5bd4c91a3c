#include "core/textform/text_form.h"

#include "core/check/game_check.h"
#include "core/textform/json_fields.h"
#include "core/textform/json_path.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace tav::textform {
namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kNormalisedKey = QStringLiteral("normalised");

// Checker rules that look at other files of the folder: a unit's sprite, the
// item and goal numbers of a savegame, the persons and sounds of an idle
// sound. A file is loaded on its own.
const QStringList kRulesAboutOtherFiles{QStringLiteral("unit-sprite-missing"), QStringLiteral("unit-zombie-sprite"),
                                        QStringLiteral("player-item"),         QStringLiteral("player-goal"),
                                        QStringLiteral("idle-person"),         QStringLiteral("idle-sound")};

Result<QByteArray> writeFields(const TextFormat &format, const QJsonObject &fields)
{
    try {
        return format.write(fields);
    } catch (const FieldError &error) {
        if (error.path.isEmpty())
            return Result<QByteArray>::failure(error.message);
        return Result<QByteArray>::failure(QStringLiteral("field '%1' %2").arg(error.path, error.message));
    }
}

QString valueText(const QJsonValue &value)
{
    return value.isUndefined() ? QStringLiteral("(nothing)") : jsonText(value);
}

} // namespace

QJsonObject dumpFields(const TextFormat &format, const QJsonObject &dump)
{
    QJsonObject fields = dump;
    fields.remove(kFormatKey);
    fields.remove(kNormalisedKey);
    return withoutKeys(fields, format.shownOnly()).toObject();
}

Result<QJsonObject> dumpBytes(const TextFormat &format, const QByteArray &bytes, const Surroundings &surroundings)
{
    const Result<QJsonObject> read = format.read(bytes);
    if (!read)
        return read;
    // One save: what the kit's writer makes of the file as its reader took
    // it. The dump is the file in that form. A save reaches the file's final
    // form at once: reading what it wrote and saving again writes the same.
    const QJsonObject fields = dumpFields(format, read.value());
    const Result<QByteArray> written = writeFields(format, fields);
    if (!written)
        return Result<QJsonObject>::failure(QStringLiteral("the kit cannot write this file back: ") + written.error());
    const Result<QJsonObject> again = format.read(written.value());
    if (!again)
        return Result<QJsonObject>::failure(QStringLiteral("the kit cannot read its own form of this file: ") +
                                            again.error());
    if (const QJsonObject saved = dumpFields(format, again.value()); saved != fields) {
        const Result<QByteArray> second = writeFields(format, saved);
        if (!second || second.value() != written.value())
            return Result<QJsonObject>::failure(QStringLiteral(
                "the kit's reader and writer do not agree on this file: a second save would change it again"));
    }
    QJsonObject dump = again.value();
    format.addSurroundings(dump, surroundings);
    dump[kFormatKey] = format.id();
    dump[kNormalisedKey] = QJsonArray::fromStringList(
        bytes == written.value() ? QStringList() : format.normalisations(bytes, written.value()));
    return dump;
}

Result<QByteArray> bytesFromDump(const QJsonObject &dump, const TextFormat **formatFound)
{
    const QJsonValue id = dump.value(kFormatKey);
    const TextFormat *format = id.isString() ? formatById(id.toString()) : nullptr;
    if (!format) {
        QStringList ids;
        for (const TextFormat *known : textFormats())
            ids.append(known->id());
        return Result<QByteArray>::failure(QStringLiteral("field 'format' is %1; it should be one of %2")
                                               .arg(valueText(id), ids.join(QStringLiteral(", "))));
    }
    if (formatFound)
        *formatFound = format;
    if (dump.contains(kNormalisedKey) && !dump.value(kNormalisedKey).isArray())
        return Result<QByteArray>::failure(QStringLiteral("field 'normalised' should be an array"));
    const QJsonObject fields = dumpFields(*format, dump);
    const Result<QByteArray> written = writeFields(*format, fields);
    if (!written)
        return written;
    const Result<QJsonObject> again = format->read(written.value());
    if (!again)
        return Result<QByteArray>::failure(again.error());
    const QJsonObject readBack = dumpFields(*format, again.value());
    if (readBack == fields)
        return written;
    const QString path = firstDifference(fields, readBack);
    const QJsonValue given = valueAt(fields, path);
    const QJsonValue kit = valueAt(readBack, path);
    if (kit.isUndefined())
        return Result<QByteArray>::failure(
            QStringLiteral("field '%1' is not part of a %2 file").arg(path, format->id()));
    return Result<QByteArray>::failure(QStringLiteral("field '%1' is %2, but the kit writes %3 there (the value is "
                                                      "out of range or follows from other fields)")
                                           .arg(path, valueText(given), valueText(kit)));
}

QStringList checkerErrors(const TextFormat &format, const QByteArray &bytes)
{
    // The file alone in a game folder held in memory: nothing is written.
    const QString gamePath = format.checkPath();
    const check::CheckReport report = check::checkFiles({{gamePath, bytes}});
    const auto counts = [&gamePath](check::Severity severity, const QString &file, const QString &code) {
        return severity == check::Severity::Error && !kRulesAboutOtherFiles.contains(code) &&
               file.compare(gamePath, Qt::CaseInsensitive) == 0;
    };
    QStringList errors;
    for (const check::Finding &finding : report.findings)
        if (counts(finding.severity, finding.file, finding.code))
            errors.append(finding.line > 0 ? QStringLiteral("line %1: %2").arg(finding.line).arg(finding.message)
                                           : finding.message);
    for (const check::HiddenFindings &more : report.hidden)
        if (counts(more.severity, more.file, more.code))
            errors.append(more.message());
    return errors;
}

Result<QJsonObject> parseDump(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Result<QJsonObject>::failure(
            QStringLiteral("is not valid JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        return Result<QJsonObject>::failure(QStringLiteral("holds no JSON object; a dump is one object"));
    return document.object();
}

} // namespace tav::textform
