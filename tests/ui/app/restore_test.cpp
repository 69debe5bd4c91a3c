// Every window's document comes back whole from its recovery copy: the same
// file bytes, the same window state, unsaved until the next save.
#include "ui/automap/map_overview.h"
#include "ui/definitions/definition_parameters.h"
#include "ui/enemy/enemy_editor.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/savegame/savegame_editor.h"
#include "ui/sprite/sprite_editor.h"

#include "core/app/recovery_copy.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tav;
using namespace tav::test;

namespace {

struct Window {
    const char *name;
    std::function<QWidget *(const TempGameFolder &)> make;
    std::function<void(QWidget *)> change;
    const char *shownBox; // a box that shows the change
};

void setText(QWidget *w, const char *box, const QString &text)
{
    w->findChild<QLineEdit *>(QLatin1String(box))->setText(text);
}

const Window kWindows[] = {
    {"macro", [](const TempGameFolder &t) { return new Form2(t.folder()); },
     [](QWidget *w) {
         setText(w, "Text1", "GATE");
         static_cast<Form2 *>(w)->body().assign("%map x\r\narm 1\r\n");
     },
     "Text1"},
    {"sprite", [](const TempGameFolder &t) { return new Form12(t.folder()); },
     [](QWidget *w) {
         SpriteDocument &doc = static_cast<Form12 *>(w)->document();
         doc.setName("\\UNITS\\BATU1");
         doc.setXSize(3);
         doc.setYSize(2);
         doc.setCell(1, 1, 200);
         doc.setCell(30, 30, 7); // outside the declared size
     },
     "filename"},
    {"savegame", [](const TempGameFolder &t) { return new Form6(t.folder()); },
     [](QWidget *w) {
         setText(w, "Text4", "777");
         setText(w, "MAPX", "5");
     },
     "Text4"},
    {"enemy", [](const TempGameFolder &t) { return new Form16(t.folder()); },
     [](QWidget *w) { setText(w, "Text1", "Big bat"); }, "Text1"},
    {"map overview",
     [](const TempGameFolder &t) {
         t.write("GAMEDATA/AUTOMAP.DAT", " 1, 1\r\nGate\r\n 3, 2\r\nWall\r\n");
         return new Form4(t.folder());
     },
     [](QWidget *w) {
         w->findChild<QTableWidget *>("Grid")->setCurrentCell(1, 2);
         setText(w, "Text3", "Broken wall");
     },
     "Text3"},
};

} // namespace

TEST(Restore, EveryDocumentComesBackFromItsCopy)
{
    for (const Window &row : kWindows) {
        SCOPED_TRACE(row.name);
        ScriptedPlatform platform;
        TempGameFolder tmp;
        const std::unique_ptr<QWidget> before(row.make(tmp));
        row.change(before.get());
        Document &original = *dynamic_cast<UnsavedWork *>(before.get())->documents().first();
        ASSERT_TRUE(original.isUnsaved());
        const Result<QByteArray> json = recoveryCopyJson(recoverySnapshot(original, tmp.root()));
        ASSERT_TRUE(json) << json.error().toStdString();
        const Result<RecoveryCopy> copy = parseRecoveryCopy(json.value(), tmp.root());
        ASSERT_TRUE(copy) << copy.error().toStdString();

        const std::unique_ptr<QWidget> after(row.make(tmp));
        Document &restored = *dynamic_cast<UnsavedWork *>(after.get())->documents().first();
        ASSERT_TRUE(restored.restore(recoveredFileBytes(*copy).value(), copy->window));
        EXPECT_EQ(restored.fileBytes(), original.fileBytes());
        EXPECT_EQ(restored.windowState(), original.windowState());
        EXPECT_EQ(restored.unsavedWork(), original.unsavedWork());
        EXPECT_TRUE(restored.isUnsaved());
        const auto shown = [&row](QWidget *w) { return w->findChild<QLineEdit *>(row.shownBox)->text(); };
        EXPECT_EQ(shown(after.get()), shown(before.get())) << "the window shows what came back";
    }
}
