// A file another program changed between load and save is not replaced
// without a question (Return answers No), and a window that becomes active
// offers once to load it again, as a step the designer can undo.
#include "ui/enemy/enemy_editor.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/savegame/savegame_editor.h"
#include "ui/sprite/sprite_editor.h"

#include "core/sprite/sprite_file.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tav;
using namespace tav::test;

namespace {

void click(QWidget *window, const char *button)
{
    window->findChild<QPushButton *>(QLatin1String(button))->click();
}

void activate(QWidget *window)
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activation);
}

Document &documentOf(QWidget *window)
{
    return *dynamic_cast<UnsavedWork *>(window)->documents().first();
}

struct Window {
    const char *name;
    const char *gamePath;
    QByteArray first; // the file when loaded
    QByteArray other; // the file as another program leaves it
    QByteArray third; // and as it changes it once more
    std::function<QWidget *(const TempGameFolder &)> makeAndLoad;
    std::function<void(QWidget *)> edit;
    const char *save;
};

QByteArray sprite(char colour)
{
    return spriteFileBytes(2, 1, QByteArray(2, colour));
}

const QByteArray kUnit = "Orc\r\nBAT\r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 20 \r\n 3 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

const Window kWindows[] = {
    {"macro", "GAMEDATA\\MAKRO\\ELDER.cmd", "TEXT old\r\n", "TEXT from elsewhere\r\n", "TEXT third\r\n",
     [](const TempGameFolder &t) {
         auto *w = new Form2(t.folder());
         w->loadMacro(QStringLiteral("ELDER"), t.read("GAMEDATA/MAKRO/ELDER.cmd"));
         return w;
     },
     [](QWidget *w) { static_cast<Form2 *>(w)->body().assign(QStringLiteral("TEXT mine")); }, "Command2"},
    {"enemy", "GAMEDATA\\UNITS\\ORC.UNI", kUnit, QByteArray(kUnit).replace(" 20 ", " 40 "),
     QByteArray(kUnit).replace(" 20 ", " 60 "),
     [](const TempGameFolder &t) {
         auto *w = new Form16(t.folder());
         w->findChild<QComboBox *>("Combo1")->setEditText("ORC");
         click(w, "Command1");
         w->findChild<QComboBox *>("Combo1")->setEditText("ORC");
         return w;
     },
     [](QWidget *w) { w->findChild<QLineEdit *>("Text1")->setText("Big orc"); }, "Command2"},
    {"savegame", "GAMEDATA\\MAPS\\PLAYER.STS", fixture("savegame/full_player.sts"),
     fixture("savegame/full_player.sts").replace("2480", "1111"),
     fixture("savegame/full_player.sts").replace("2480", "2222"),
     [](const TempGameFolder &t) {
         auto *w = new Form6(t.folder());
         click(w, "Command1");
         return w;
     },
     [](QWidget *w) { w->findChild<QLineEdit *>("Text4")->setText("7"); }, "Command2"},
    {"sprite", "GRAFIK\\ORC.SPR", sprite(3), sprite(4), sprite(5),
     [](const TempGameFolder &t) {
         auto *w = new Form12(t.folder());
         w->document().setName(QStringLiteral("\\ORC"));
         w->document().reload();
         return w;
     },
     [](QWidget *w) { static_cast<Form12 *>(w)->document().setCell(0, 0, 9); }, "Command2"},
};

} // namespace

TEST(ChangedFiles, ASaveAsksBeforeReplacingAndActivationOffersToLoadOncePerChange)
{
    for (const Window &row : kWindows) {
        SCOPED_TRACE(row.name);
        ScriptedPlatform platform;
        TempGameFolder tmp;
        const QString disk = QString::fromLatin1(row.gamePath).replace('\\', '/');
        tmp.write(disk, row.first);
        const std::unique_ptr<QWidget> window(row.makeAndLoad(tmp));
        Document &document = documentOf(window.get());
        ASSERT_EQ(document.gamePath(), row.gamePath);
        ASSERT_FALSE(document.isUnsaved());
        activate(window.get());
        for (const QString &text : platform.dialogs.messageTexts()) // the sprite editor misses its palette
            EXPECT_FALSE(text.contains("changed by another program")) << "nothing changed, nothing asked";
        platform.dialogs.clear();

        row.edit(window.get());
        tmp.write(disk, row.other);
        platform.dialogs.pressReturnNext();
        click(window.get(), row.save);
        ASSERT_EQ(platform.dialogs.count(), 1) << platform.dialogs.messageTexts().join('|').toStdString();
        const platform::MessageRequest question = platform.dialogs.lastMessage();
        EXPECT_EQ(question.text,
                  QString::fromLatin1(row.gamePath) +
                      " was changed by another program since you loaded it. Replace it with your version?");
        EXPECT_EQ(question.defaultButton, platform::Answer::No);
        EXPECT_EQ(tmp.read(disk), row.other) << "No writes nothing";
        EXPECT_TRUE(document.isUnsaved()) << "and keeps the work";
        EXPECT_TRUE(platform.launcher.started().isEmpty());

        platform.dialogs.answerNext(platform::Answer::No);
        activate(window.get());
        activate(window.get());
        ASSERT_EQ(platform.dialogs.count(), 2) << "once per change";
        EXPECT_EQ(platform.dialogs.lastMessage().text,
                  QString::fromLatin1(row.gamePath) + " was changed by another program. Load it now?");
        tmp.write(disk, row.third);
        activate(window.get()); // another change: asked again, Yes loads it
        ASSERT_EQ(platform.dialogs.count(), 3);
        EXPECT_FALSE(document.isUnsaved());
        EXPECT_EQ(document.fileBytes(), row.third);
        const bool macro = qobject_cast<Form2 *>(window.get()) != nullptr;
        EXPECT_TRUE(!macro || window->windowTitle() == "ELDER - Tav Macro editor");
        document.undo();
        EXPECT_TRUE(document.isUnsaved()) << "the load is a step";
        EXPECT_TRUE(!macro || window->windowTitle() == "ELDER - Tav Macro editor (unsaved)");
    }
}
