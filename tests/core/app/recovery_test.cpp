// Recovery copies: their form, the store that tells copies of ended kits
// from those of running ones, the writer, and the folder lock.
#include "core/app/kit_lock.h"
#include "core/app/recovery_copy.h"
#include "core/app/recovery_store.h"
#include "core/app/recovery_writer.h"
#include "core/common/open_documents.h"
#include "core/macro/macro_document.h"
#include "core/textform/formats.h"
#include "core/textform/text_form.h"

#include "support/temp_game_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLockFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

QByteArray typedCopy(const TempGameFolder &game)
{
    MacroDocument doc(game.folder());
    doc.restore(QByteArray("ARM 1\r\nend"), QJsonObject{{"name", "GATE"}});
    return recoveryCopyJson(recoverySnapshot(doc, game.root())).value();
}

} // namespace

TEST(RecoveryCopy, HoldsTheDumpOfTheFileAndIsRefusedWhenNotOneOfOurs)
{
    TempGameFolder game;
    const QByteArray json = typedCopy(game);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(object.value("document").toObject(),
              textform::dumpBytes(textform::macroFormat(), "ARM 1\r\nend").value());
    EXPECT_EQ(object.value("window").toObject().value("name").toString(), "GATE");
    EXPECT_EQ(object.value("recovery").toObject().value("window").toString(), "macro");
    const Result<RecoveryCopy> copy = parseRecoveryCopy(json, game.root());
    ASSERT_TRUE(copy) << copy.error().toStdString();
    EXPECT_EQ(recoveredFileBytes(*copy).value(), "ARM 1\r\nend");
    EXPECT_EQ(recoveryLabel(copy->header).left(20), "Macro editor (GATE, ");
    EXPECT_EQ(dumpOfCopy(object), object.value("document").toObject());

    QJsonObject newer = object;
    QJsonObject header = newer["recovery"].toObject();
    header["layout"] = 2;
    newer["recovery"] = header;
    QJsonObject damagedDocument = object;
    QJsonObject dump = damagedDocument["document"].toObject();
    dump["unknown"] = 1;
    damagedDocument["document"] = dump;
    const struct {
        QByteArray json;
        QString folder;
        const char *reason;
    } refused[] = {
        {"{ not json", game.root(), "it is damaged"},
        {json, QStringLiteral("/elsewhere"), "it belongs to another game folder"},
        {QJsonDocument(newer).toJson(), game.root(), "it was written by a newer Tav designer"},
        {QJsonDocument(object.value("document").toObject()).toJson(), game.root(), "it is not a recovery copy"},
        {QJsonDocument(damagedDocument).toJson(), game.root(), "its document is damaged"},
    };
    for (const auto &c : refused) {
        const Result<RecoveryCopy> parsed = parseRecoveryCopy(c.json, c.folder);
        EXPECT_FALSE(parsed);
        EXPECT_TRUE(parsed.error().startsWith(QLatin1String(c.reason))) << parsed.error().toStdString();
    }
}

TEST(RecoveryStore, OffersOnlyCopiesOfKitsThatEndedAndSetsThemAside)
{
    TempGameFolder game;
    TempGameFolder state;
    RecoveryStore store(state.root(), game.root());
    ASSERT_TRUE(store.open());
    const QByteArray copy = typedCopy(game);
    state.write("111-1-macro.json", copy);  // its kit was killed: no lock
    state.write("222-2-macro.json", copy);  // its kit runs
    state.write("333-3-sprite.json", "{}"); // damaged
    QLockFile running(state.disk("222-2.lock"));
    ASSERT_TRUE(running.tryLock(0));
    QFile::copy(state.disk("111-1-macro.json"), store.copyPath(QStringLiteral("macro"))); // this kit's own

    const QList<RecoveryStore::Leftover> leftovers = store.leftovers();
    ASSERT_EQ(leftovers.size(), 2);
    QStringList names;
    for (const auto &leftover : leftovers)
        names << QFileInfo(leftover.path).fileName() + (leftover.copy ? "" : " damaged");
    names.sort();
    EXPECT_EQ(names, QStringList({"111-1-macro.json", "333-3-sprite.json damaged"}));

    ASSERT_TRUE(store.setAside({state.disk("111-1-macro.json")}));
    EXPECT_FALSE(state.exists("111-1-macro.json"));
    EXPECT_EQ(state.read("set-aside/111-1-macro.json"), copy);
    state.write("set-aside/old.json", "{}");
    QFile old(state.disk("set-aside/old.json"));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    old.setFileTime(QDateTime::currentDateTime().addDays(-15), QFileDevice::FileModificationTime);
    old.close();
    state.write("444-4.lock", "4444\n"); // a kit killed before it wrote a copy
    store.tidy(QDateTime::currentDateTime());
    EXPECT_FALSE(state.exists("set-aside/old.json"));
    EXPECT_FALSE(state.exists("444-4.lock"));
    EXPECT_TRUE(state.exists("222-2.lock")) << "a running kit's lock stays";
    EXPECT_TRUE(state.exists("set-aside/111-1-macro.json")) << "kept 14 days";
}

TEST(RecoveryWriter, WritesACopySoonAfterAChangeAndRemovesItWhenSaved)
{
    TempGameFolder game;
    game.mkdir("GAMEDATA/MAKRO");
    TempGameFolder state;
    RecoveryStore store(state.root(), game.root());
    ASSERT_TRUE(store.open());
    OpenDocuments open;
    MacroDocument doc(game.folder());
    open.add(&doc);
    RecoveryWriter writer(open, store);
    const QString path = store.copyPath(QStringLiteral("macro"));

    doc.applyEdit(BodyEdit{{}, {}, QStringLiteral("arm 1"), 5});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 3000));
    writer.waitForWrites();
    EXPECT_EQ(
        recoveredFileBytes(parseRecoveryCopy(state.read(QFileInfo(path).fileName()), game.root()).value()).value(),
        "ARM 1");
    doc.markSaved(doc.fileBytes());
    writer.waitForWrites();
    EXPECT_FALSE(QFile::exists(path)) << "a save removes the copy it covers";

    doc.applyEdit(BodyEdit{{}, {}, QStringLiteral("x"), 1});
    writer.flush();
    EXPECT_TRUE(QFile::exists(path)) << "a flush writes what is due at once";
    writer.discardAll();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(KitLock, ASecondKitOnAFolderIsToldWhoHoldsItAndAnUnwritableStateFolderFails)
{
    TempGameFolder state;
    KitLock first(state.disk("game-1"));
    ASSERT_EQ(first.tryLock(), KitLock::Outcome::Locked);
    KitLock second(state.disk("game-1"));
    ASSERT_EQ(second.tryLock(), KitLock::Outcome::HeldByOther);
    EXPECT_EQ(second.holder(), QCoreApplication::applicationPid());
    EXPECT_EQ(otherKitQuestion(4711),
              "This game folder is open in another Tav designer (process 4711). Open it anyway?");

    state.write("blocked", "a file where the state folder would go");
    KitLock blocked(state.disk("blocked/game-1"));
    EXPECT_EQ(blocked.tryLock(), KitLock::Outcome::Failed);
    EXPECT_TRUE(blocked.error().contains("is a file, not a folder")) << blocked.error().toStdString();
    RecoveryStore store(state.disk("blocked/game-1"), QString());
    EXPECT_FALSE(store.open());
}
