#include "support/sample_faults.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace tav::test {
namespace {

const QString kSampleDir = QStringLiteral(TAV_SOURCE_DIR "/sample");

QString key(const char *file, int line, const char *severity, const char *code)
{
    return findingKey(QString::fromLatin1(file), line, QString::fromLatin1(severity), QString::fromLatin1(code));
}

struct At {
    int line;
    const char *severity;
    const char *code;
};

// Several findings in one file.
QStringList keysIn(const char *file, std::initializer_list<At> findings)
{
    QStringList keys;
    for (const At &at : findings)
        keys.append(key(file, at.line, at.severity, at.code));
    return keys;
}

QByteArray sprite(int widthField, int height, int pixelBytes)
{
    QByteArray bytes("TAVSPR\x01", 7);
    for (int v : {widthField, height}) {
        bytes.append(char(v & 0xFF));
        bytes.append(char((v >> 8) & 0xFF));
    }
    return bytes + QByteArray(pixelBytes, '\x05');
}

QByteArray crlf(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

auto write(QString path, QByteArray bytes)
{
    return [=](const TempGameFolder &tmp) { tmp.write(path, bytes); };
}

auto append(QString path, QByteArray bytes)
{
    return [=](const TempGameFolder &tmp) { tmp.write(path, tmp.read(path) + bytes); };
}

// Replaces lines (from 1) of a CR LF file; with keep > 0 only the first keep lines stay.
auto editLines(QString path, QList<std::pair<int, QString>> changes, int keep = 0)
{
    return [=](const TempGameFolder &tmp) {
        QStringList lines = QString::fromLatin1(tmp.read(path)).split(QStringLiteral("\r\n"));
        lines.removeLast();
        for (const auto &[line, text] : changes)
            lines[line - 1] = text;
        tmp.write(path, crlf(keep > 0 ? lines.mid(0, keep) : lines));
    };
}

auto remove(QString path)
{
    return [=](const TempGameFolder &tmp) { QFile::remove(tmp.disk(path)); };
}

} // namespace

void copySample(const TempGameFolder &tmp)
{
    QDirIterator it(kSampleDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(kSampleDir).relativeFilePath(from);
        QFile file(from);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << from.toStdString();
        tmp.write(relative, file.readAll());
    }
}

QStringList sampleWarnings()
{
    return {key("GAMEDATA\\MAPS\\03-14-00.MAP", 0, "warning", "map-empty"),
            key("GAMEDATA\\AUTOMAP.DAT", 17, "warning", "automap-no-map")};
}

QString findingKey(const QString &file, int line, const QString &severity, const QString &code)
{
    return QStringLiteral("%1:%2: %3 %4").arg(file).arg(line).arg(severity, code);
}

const QList<SampleFault> &sampleFaults()
{
    static const QList<SampleFault> faults{
        {"names",
         write("GRAFIK/LONGNAME1.SPR", sprite(8, 1, 1)),
         {key("GRAFIK\\LONGNAME1.SPR", 0, "error", "name-too-long")}},
        {"names",
         write("GRAFIK/chest.spr", sprite(8, 1, 1)),
         {key("GRAFIK\\chest.spr", 0, "error", "name-case-clash")}},
        {"names",
         write("GAMEDATA/VERSION.DAT", "1.4.2\n"),
         {key("GAMEDATA\\VERSION.DAT", 1, "warning", "text-bare-lf")}},

        {"palette", editLines("GAMEDATA/MASTER.PAL", {{2, "4,64,4"}, {256, "63,63,63\r\n1,2,3"}}),
         keysIn("GAMEDATA\\MASTER.PAL", {{2, "error", "palette-range"}, {257, "error", "palette-count"}})},

        {"sprites", write("GRAFIK/TINY.SPR", "TAVSP"), {key("GRAFIK\\TINY.SPR", 0, "error", "sprite-header")}},
        {"sprites",
         write("GRAFIK/NOTES.SPR", "plain text, not a sprite\r\n"),
         {key("GRAFIK\\NOTES.SPR", 0, "error", "sprite-not-sprite")}},
        {"sprites",
         write("GRAFIK/ODD.SPR", sprite(75, 2, 18)),
         {key("GRAFIK\\ODD.SPR", 0, "warning", "sprite-width-field")}},
        {"sprites",
         write("GRAFIK/UNITS/WIDEU1.SPR", sprite(41 * 8, 1, 41)),
         {key("GRAFIK\\UNITS\\WIDEU1.SPR", 0, "error", "sprite-size")}},
        {"sprites",
         write("GRAFIK/SHORT.SPR", sprite(32, 4, 10)),
         {key("GRAFIK\\SHORT.SPR", 0, "error", "sprite-pixels-short")}},
        {"sprites",
         write("GRAFIK/BOSS/LONG.SPR", sprite(16, 2, 6)),
         {key("GRAFIK\\BOSS\\LONG.SPR", 0, "warning", "sprite-pixels-long")}},

        {"slots",
         editLines("GAMEDATA/SLOTS.INI", {{6, " 2 "}}),
         {key("GAMEDATA\\SLOTS.INI", 6, "error", "slots-last-line")}},
        {"slots",
         write("GAMEDATA/SAVE2/SKILL.STS", " 3 \r\n"),
         {key("GAMEDATA\\SAVE2\\SKILL.STS", 1, "error", "skill-value")}},
        {"slots", write("GAMEDATA/SAVE6/PLAYER.STS", ""), {key("GAMEDATA\\SAVE6", 0, "error", "slot-folder")}},

        {"player",
         editLines("GAMEDATA/SAVE1/PLAYER.STS", {{3, " 99 "},
                                                 {5, " 1 "},
                                                 {6, " 12 "},
                                                 {85, " 3 "},
                                                 {93, " 0 "},
                                                 {106, " 7 "},
                                                 {107, " 7 "},
                                                 {110, " 0 "},
                                                 {112, " 10000 "},
                                                 {115, "1"},
                                                 {116, "1"},
                                                 {117, "5"},
                                                 {120, "x"},
                                                 {130, "14"}}),
         keysIn("GAMEDATA\\SAVE1\\PLAYER.STS", {{3, "error", "player-item"},
                                                {6, "error", "player-count"},
                                                {85, "error", "player-weapon-state"},
                                                {107, "error", "player-weapon-owned"},
                                                {110, "error", "player-range"},
                                                {112, "error", "player-range"},
                                                {115, "warning", "player-map-missing"},
                                                {120, "error", "player-number"},
                                                {130, "error", "player-goal"}})},
        {"player",
         editLines("GAMEDATA/MAPS/TRAIN.STS", {}, 100),
         {key("GAMEDATA\\MAPS\\TRAIN.STS", 0, "error", "player-lines")}},
        {"player",
         append("GAMEDATA/ITMNAMES.DAT", " 37 \r\n"),
         {key("GAMEDATA\\ITMNAMES.DAT", 73, "warning", "items-unpaired")}},

        {"units",
         write("GAMEDATA/UNITS/ORC.UNI",
               crlf({"Orc", "ORC", " 0 ", " 9 ", " 3 ", " 4 ", " 401 ", "x", " 0 ", " 1 ", " 9 ", " 25 "})),
         keysIn("GAMEDATA\\UNITS\\ORC.UNI", {{2, "error", "unit-sprite-missing"},
                                             {3, "error", "unit-behaviour"},
                                             {4, "error", "unit-range"},
                                             {5, "error", "unit-afraid-code"},
                                             {6, "error", "unit-hurt-code"},
                                             {7, "error", "unit-range"},
                                             {8, "error", "unit-number"},
                                             {10, "error", "unit-zombie-sprite"},
                                             {11, "error", "unit-range"},
                                             {12, "warning", "unit-teleport"}})},
        {"units",
         write("GAMEDATA/UNITS/imp.UNI",
               crlf({"Imp", "BAT", " 2 ", " 1 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "})),
         {key("GAMEDATA\\UNITS\\imp.UNI", 0, "warning", "unit-name-case")}},
        {"units",
         write("GAMEDATA/UNITS/CUT.UNI", crlf({"Cut", "BAT", " 2 "})),
         {key("GAMEDATA\\UNITS\\CUT.UNI", 0, "error", "unit-lines")}},

        {"macros",
         write("GAMEDATA/MAKRO/BROKEN.cmd", "'!Broken on purpose\r\nMSG 1 100% sure\r\n  END\r\nmsg 1 hi\r\nFOO bar"),
         keysIn("GAMEDATA\\MAKRO\\BROKEN.cmd", {{2, "error", "macro-percent"},
                                                {3, "warning", "macro-format"},
                                                {4, "warning", "macro-format"},
                                                {5, "warning", "macro-unknown-command"}})},
        {"macros", write("GAMEDATA/MAKRO/TWOINONE.cmd", "'!Two lines in one\r\nMSG 1 a\rFOO b\r\n"),
         keysIn("GAMEDATA\\MAKRO\\TWOINONE.cmd",
                {{2, "warning", "text-bare-cr"}, {3, "warning", "macro-unknown-command"}})},

        {"automap", append("GAMEDATA/AUTOMAP.DAT", " 12, 8\r\nAgain\r\n12,8\r\nx\r\n 2, 2\r\nNowhere\r\n 1, 1\r\n"),
         keysIn("GAMEDATA\\AUTOMAP.DAT", {{23, "warning", "automap-duplicate-key"},
                                          {25, "error", "automap-key"},
                                          {27, "warning", "automap-no-map"},
                                          {29, "error", "automap-odd-lines"}})},
        {"automap",
         write("GAMEDATA/MAPS/21-01-00.MAP", "x"),
         {key("GAMEDATA\\MAPS\\21-01-00.MAP", 0, "error", "map-name")}},
        {"automap",
         write("GAMEDATA/SAVE1/12-8-0.MAP", "x"),
         {key("GAMEDATA\\SAVE1\\12-8-0.MAP", 0, "error", "map-name")}},
        {"automap",
         write("GAMEDATA/SAVE2/20-15-00.MAP", ""),
         {key("GAMEDATA\\SAVE2\\20-15-00.MAP", 0, "warning", "map-empty")}},
        {"automap",
         remove("GAMEDATA/SAVE2/AUTOMAP.STS"),
         {key("GAMEDATA\\SAVE2\\AUTOMAP.STS", 0, "warning", "automap-sts-missing")}},
        {"automap", remove("AUTOMAP.CHT"), {key("AUTOMAP.CHT", 0, "warning", "automap-cht-missing")}},

        {"definitions", append("GAMEDATA/GOALS.DAT", "\r\n"), {key("GAMEDATA\\GOALS.DAT", 7, "warning", "goal-empty")}},
        {"definitions", append("GAMEDATA/DEF_PIDL.DAT", "NOBODY\r\n 13 \r\nSILENCE\r\nELDER\r\n"),
         keysIn("GAMEDATA\\DEF_PIDL.DAT", {{13, "error", "idle-person"},
                                           {14, "error", "idle-frame"},
                                           {15, "error", "idle-sound"},
                                           {16, "error", "idle-incomplete"}})},
        {"definitions",
         append("GAMEDATA/PEOPLE.DAT", "WIZARD\r\n"),
         {key("GAMEDATA\\PEOPLE.DAT", 19, "error", "people-incomplete")}},

        {"input",
         write("GAMEDATA/UNITS/GARBAGE.UNI", QByteArray("\x00\xff\xfe\x01garbage", 11)),
         {key("GAMEDATA\\UNITS\\GARBAGE.UNI", 0, "error", "unit-lines")}},
        {"input",
         [](const TempGameFolder &tmp) { tmp.mkdir("GAMEDATA/MAKRO/FOLDER.cmd"); },
         {key("GAMEDATA\\MAKRO\\FOLDER.cmd", 0, "error", "file-is-folder")}},
    };
    return faults;
}

QStringList faultFamilies()
{
    QStringList families;
    for (const SampleFault &fault : sampleFaults())
        if (!families.contains(fault.family))
            families.append(fault.family);
    return families;
}

} // namespace tav::test
