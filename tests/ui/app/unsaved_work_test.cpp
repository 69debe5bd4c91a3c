// Every tool window that holds a document answers what would be lost: a
// change marks it, a save clears it; and a failed save keeps the fixed
// message text with the writer's reason as the detail.
#include "ui/automap/map_overview.h"
#include "ui/definitions/definition_parameters.h"
#include "ui/enemy/enemy_editor.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/savegame/savegame_editor.h"
#include "ui/sprite/sprite_editor.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tav;
using namespace tav::test;

namespace {

struct Window {
    const char *name;
    std::function<QWidget *(const TempGameFolder &)> make;
    std::function<void(QWidget *, ScriptedPlatform &)> change;
    std::function<void(QWidget *, ScriptedPlatform &, const TempGameFolder &)> save;
    QString work;
};

template <typename W> W *as(QWidget *w)
{
    return static_cast<W *>(w);
}

void click(QWidget *window, const char *button)
{
    window->findChild<QPushButton *>(button)->click();
}

void setText(QWidget *window, const char *box, const QString &text)
{
    window->findChild<QLineEdit *>(box)->setText(text);
}

const Window kWindows[] = {
    {"macro", [](const TempGameFolder &t) { t.mkdir("GAMEDATA/MAKRO"); return new Form2(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) {
         setText(w, "Text1", "GATE");
         as<Form2>(w)->body().assign("TEXT Open");
     },
     [](QWidget *w, ScriptedPlatform &, const TempGameFolder &) { click(w, "Command2"); }, "Macro editor (GATE)"},
    {"sprite", [](const TempGameFolder &t) { return new Form12(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) {
         as<Form12>(w)->document().setName("\\ORC");
         as<Form12>(w)->document().setCell(3, 4, 9);
     },
     [](QWidget *w, ScriptedPlatform &p, const TempGameFolder &) {
         click(w, "Command2");
         p.launcher.programs().last()->end(0);
     },
     "Sprite editor (\\ORC)"},
    {"savegame", [](const TempGameFolder &t) { t.mkdir("GAMEDATA/MAPS"); return new Form6(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) { setText(w, "Text4", "123"); },
     [](QWidget *w, ScriptedPlatform &, const TempGameFolder &) { as<Form6>(w)->Command2_Click(); },
     "SaveGame editor (nothing loaded)"},
    {"enemy", [](const TempGameFolder &t) { t.mkdir("GAMEDATA/UNITS"); return new Form16(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) {
         w->findChild<QComboBox *>("Combo1")->setEditText("ORC");
         setText(w, "Text1", "Big orc");
     },
     [](QWidget *w, ScriptedPlatform &, const TempGameFolder &) { as<Form16>(w)->Command2_Click(); },
     "Enemy editor (ORC)"},
    {"map overview",
     [](const TempGameFolder &t) {
         t.write("GAMEDATA/AUTOMAP.DAT", fixture("automap/automap_table.dat"));
         return new Form4(t.folder());
     },
     [](QWidget *w, ScriptedPlatform &) { setText(w, "Text3", "North gate"); },
     [](QWidget *w, ScriptedPlatform &, const TempGameFolder &) { click(w, "Command5"); },
     "MAP overview (square 01/01)"},
    {"definitions",
     [](const TempGameFolder &t) {
         t.write("GAMEDATA/GOALS.DAT", "Meet the elder\r\n");
         t.makeReadOnly("GAMEDATA/GOALS.DAT");
         return new Form9(t.folder());
     },
     [](QWidget *w, ScriptedPlatform &p) {
         p.dialogs.inputNext(QStringLiteral("Go home"));
         click(w, "Command4"); // not written: the file is read-only
     },
     [](QWidget *w, ScriptedPlatform &p, const TempGameFolder &t) {
         QFile::setPermissions(t.disk("GAMEDATA/GOALS.DAT"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
         p.dialogs.inputNext(QStringLiteral("Rest"));
         click(w, "Command4");
     },
     "Definition parameters (GAMEDATA\\GOALS.DAT)"},
};

} // namespace

TEST(UnsavedWork, EveryDocumentWindowIsMarkedByAChangeAndClearedByASave)
{
    for (const Window &row : kWindows) {
        SCOPED_TRACE(row.name);
        ScriptedPlatform platform;
        TempGameFolder tmp;
        const std::unique_ptr<QWidget> window(row.make(tmp));
        auto *document = dynamic_cast<UnsavedWork *>(window.get());
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->unsavedWork(), QString()) << "a fresh window loses nothing";
        row.change(window.get(), platform);
        EXPECT_EQ(document->unsavedWork(), row.work);
        row.save(window.get(), platform, tmp);
        EXPECT_EQ(document->unsavedWork(), QString()) << platform.dialogs.lastMessage().text.toStdString();
    }
}

TEST(UnsavedWork, FixedFailureTextsStayAndTheWritersReasonIsTheDetail)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    tmp.write("GAMEDATA/MAPS/PLAYER.STS", "");
    tmp.makeReadOnly("GAMEDATA/MAPS/PLAYER.STS");
    tmp.write("GAMEDATA/UNITS/ORC.UNI", "");
    tmp.makeReadOnly("GAMEDATA/UNITS/ORC.UNI");

    Form6 savegame(tmp.folder());
    savegame.Command2_Click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "The SaveGame file could not be saved!");
    EXPECT_EQ(platform.dialogs.lastMessage().detail, "PLAYER.STS is read-only.");

    Form16 enemy(tmp.folder());
    enemy.findChild<QComboBox *>("Combo1")->setEditText("ORC");
    enemy.Command2_Click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "File could not be saved!");
    EXPECT_EQ(platform.dialogs.lastMessage().detail, "ORC.UNI is read-only.");
}
