#include "apps/tavtool/sprite_command.h"

#include "apps/tavtool/tool_command.h"
#include "core/common/write_place.h"
#include "core/sprite/sprite_image_files.h"
#include "core/sprite/sprite_name.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace tav::tool {
namespace {

const QString kCommand = QStringLiteral("sprite");

const char kHelp[] = "Usage: tavtool sprite export NAME IMAGE.png [--scale N] [--force]\n"
                     "       tavtool sprite sheet FOLDER IMAGE.png [--columns C] [--scale N] [--force]\n"
                     "       tavtool sprite import IMAGE NAME [--crop] [--force]\n"
                     "\n"
                     "Run in the game folder. Sprite names are written as the editor shows them,\n"
                     "\\UNITS\\ORC for GRAFIK\\UNITS\\ORC.SPR (quote them in the shell; / works too).\n"
                     "\n"
                     "  export   writes a sprite at its size through GAMEDATA\\MASTER.PAL: index 0\n"
                     "           transparent, every other index in its screen colour\n"
                     "  sheet    writes every sprite of a folder (\\UNITS, or \\ for GRAFIK itself)\n"
                     "           as one sheet of 40 x 40 cells in the load dialog's order, and\n"
                     "           IMAGE.json beside it with each sprite's name and rectangle\n"
                     "  import   maps every pixel of an image to the palette (alpha below 128 is\n"
                     "           index 0, every other pixel the nearest colour of 1-255) and\n"
                     "           writes the sprite file; prints how well the image fitted\n"
                     "\n"
                     "  --scale N     every sprite pixel becomes N x N image pixels (1-16, default 1)\n"
                     "  --columns C   sprites per sheet row (default 16)\n"
                     "  --crop        import the top-left 40 x 40 of a larger image\n"
                     "  --force       replace an existing target file";

struct SpriteArguments {
    QStringList positional;
    int scale = 1;
    int columns = 16;
    bool crop = false;
    bool force = false;
};

std::optional<int> numberOption(const QStringList &arguments, qsizetype &i, int lowest, int highest)
{
    if (i + 1 >= arguments.size())
        return std::nullopt;
    bool ok = false;
    const int value = arguments[++i].toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Null with the usage error printed when the arguments do not parse.
std::optional<SpriteArguments> parse(const QStringList &arguments)
{
    SpriteArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--scale") || argument == QLatin1String("--columns")) {
            const bool scale = argument == QLatin1String("--scale");
            const std::optional<int> value = numberOption(arguments, i, 1, scale ? 16 : 1000);
            if (!value) {
                usageError(kCommand,
                           QStringLiteral("%1 needs a number from 1 to %2").arg(argument).arg(scale ? 16 : 1000));
                return std::nullopt;
            }
            (scale ? parsed.scale : parsed.columns) = *value;
        } else if (argument == QLatin1String("--crop")) {
            parsed.crop = true;
        } else if (argument == QLatin1String("--force")) {
            parsed.force = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            usageError(kCommand, QStringLiteral("unknown option '%1'").arg(argument));
            return std::nullopt;
        } else {
            parsed.positional << argument;
        }
    }
    return parsed;
}

// A name as typed in a shell: '/' for '\', the leading backslash optional.
QString gameName(QString typed)
{
    typed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!typed.startsWith(QLatin1Char('\\')))
        typed.prepend(QLatin1Char('\\'));
    return typed;
}

int failed(const QString &message)
{
    printErr(QStringLiteral("tavtool sprite: ") + message);
    return kExitFindings;
}

// Refuses to replace an existing file unless asked to; a link that leads
// nowhere stands there too.
bool mayWrite(const QString &displayedPath, const QString &diskPath, bool force)
{
    if (force || !entryExists(diskPath))
        return true;
    failed(QStringLiteral("%1 exists already; give --force to replace it.").arg(displayedPath));
    return false;
}

struct Workspace {
    GameFolder folder{QDir::currentPath()};
    GamePalette palette = readGamePalette(folder);
    SpriteColourMap colours{palette.colours};
};

int exportSprite(const Workspace &work, const SpriteArguments &args)
{
    const QString name = gameName(args.positional[0]);
    const QString image = args.positional[1];
    if (!mayWrite(image, image, args.force))
        return kExitFindings;
    if (const Status done = exportSpriteImage(work.folder, name, image, args.scale, work.colours); !done)
        return failed(done.error());
    printOut(QStringLiteral("%1 written from %2.").arg(image, spriteFileGamePath(name)));
    return kExitClean;
}

int exportSheet(const Workspace &work, const SpriteArguments &args)
{
    QString entry = gameName(args.positional[0]);
    if (entry == QLatin1String("\\"))
        entry.clear();
    if (entry.count(QLatin1Char('\\')) > 1)
        return usageError(kCommand, QStringLiteral("'%1' is not a folder directly below GRAFIK").arg(entry));
    const QString image = args.positional[1];
    const QString json = spriteSheetJsonPath(image);
    if (!mayWrite(image, image, args.force) || !mayWrite(json, json, args.force))
        return kExitFindings;
    QStringList problems;
    const Result<SpriteSheet> sheet =
        exportSpriteSheet(work.folder, entry, image, SheetExport{args.columns, args.scale}, work.colours, &problems);
    for (const QString &problem : problems)
        printErr(problem);
    if (!sheet)
        return failed(sheet.error());
    printOut(QStringLiteral("%1 and %2 written: %3 sprites in %4 columns, %5 x %6 pixels.")
                 .arg(image, json)
                 .arg(sheet->cells.size())
                 .arg(sheet->columns)
                 .arg(sheet->image.width())
                 .arg(sheet->image.height()));
    return problems.isEmpty() ? kExitClean : kExitFindings;
}

int importSprite(const Workspace &work, const SpriteArguments &args)
{
    const QString image = args.positional[0];
    const QString name = gameName(args.positional[1]);
    if (const Result<QSize> size = imageFileSize(image); size && !fitsSprite(*size) && !args.crop)
        return failed(tooLargeForSpriteMessage(image, *size) +
                      QStringLiteral(" Give --crop to take its top-left 40 x 40."));
    const QString target = spriteFileGamePath(name);
    if (!mayWrite(target, work.folder.resolve(target), args.force))
        return kExitFindings;
    const Result<ImageMapping> mapping = importSpriteImage(work.folder, name, image, args.crop, work.colours);
    if (!mapping)
        return failed(mapping.error());
    printOut(QStringLiteral("%1 written (%2 x %3): %4")
                 .arg(target)
                 .arg(mapping->width)
                 .arg(mapping->height)
                 .arg(mapping->summary()));
    return kExitClean;
}

} // namespace

int runSpriteCommand(const QStringList &arguments)
{
    if (wantsHelp(arguments)) {
        printOut(QString::fromLatin1(kHelp));
        return kExitClean;
    }
    const std::optional<SpriteArguments> parsed = parse(arguments.mid(1));
    if (!parsed)
        return kExitUsage;
    const QString action = arguments.value(0);
    int (*run)(const Workspace &, const SpriteArguments &) = nullptr;
    if (action == QLatin1String("export"))
        run = exportSprite;
    else if (action == QLatin1String("sheet"))
        run = exportSheet;
    else if (action == QLatin1String("import"))
        run = importSprite;
    else
        return usageError(kCommand, action.isEmpty() ? QStringLiteral("export, sheet or import?")
                                                     : QStringLiteral("unknown action '%1'").arg(action));
    if (parsed->positional.size() != 2)
        return usageError(kCommand, QStringLiteral("%1 takes two arguments").arg(action));
    const Workspace work;
    if (!work.folder.isFolder(QStringLiteral("GRAFIK")))
        return usageError(kCommand, QStringLiteral("%1 is not a game folder: it holds no GRAFIK folder")
                                        .arg(QDir::toNativeSeparators(work.folder.root())));
    if (!work.palette.problem.isEmpty())
        printErr(QStringLiteral("tavtool sprite: ") + work.palette.problem);
    return run(work, *parsed);
}

} // namespace tav::tool
