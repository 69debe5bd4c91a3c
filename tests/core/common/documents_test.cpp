// Documents: the identity of their file, steps of a form, and the registry
// the kit asks about them.
#include "core/common/file_identity.h"
#include "core/common/form_document.h"
#include "core/common/open_documents.h"
#include "core/common/step_names.h"

#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

// Another program touched the file: its time moves a minute on.
void touch(const TempGameFolder &t, const QString &name)
{
    QFile file(t.disk(name));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
}

// A document whose form is a number kept in COUNT.DAT.
struct Counter : FormDocument<int> {
    explicit Counter(const GameFolder &folder)
        : FormDocument<int>(folder)
    {
    }
    QString windowName() const override { return QStringLiteral("Counter"); }
    QString windowId() const override { return QStringLiteral("counter"); }
    QString workName() const override { return QStringLiteral("COUNT"); }
    QString formatId() const override { return QString(); }
    QByteArray fileBytes() const override { return QByteArray::number(form()); }
    Status restore(const QByteArray &bytes, const QJsonObject &) override
    {
        takeRestored(bytes.toInt());
        return Status::success();
    }
    Status reload() override
    {
        QFile file(folder().resolve(QStringLiteral("COUNT.DAT")));
        if (!file.open(QIODevice::ReadOnly))
            return Status::failure(QStringLiteral("no file"));
        takeLoaded(QStringLiteral("load COUNT"), file.readAll().toInt());
        takeFile(QStringLiteral("COUNT.DAT"));
        return Status::success();
    }
    QString describeChange(const int &before, const int &after) const override
    {
        return QStringLiteral("count %1 -> %2").arg(before).arg(after);
    }
};

struct Answers : DocumentPrompts {
    bool replace = false;
    QStringList asked;
    bool mayReplaceChangedFile(const QString &gamePath) override
    {
        asked << gamePath;
        return replace;
    }
    void tell(const QString &, const QString &) override {}
};

} // namespace

TEST(FileIdentity, AChangeByAnotherProgramIsSeenAndATouchIsNot)
{
    struct Case {
        const char *what;
        std::function<void(const TempGameFolder &)> change;
        bool same;
    };
    const Case cases[] = {
        {"untouched", [](const TempGameFolder &) {}, true},
        {"touched", [](const TempGameFolder &t) { touch(t, "F.DAT"); }, true},
        {"same size, other bytes",
         [](const TempGameFolder &t) {
             t.write("F.DAT", "ABCDEF");
             touch(t, "F.DAT");
         },
         false},
        {"other size", [](const TempGameFolder &t) { t.write("F.DAT", "abc"); }, false},
        {"deleted", [](const TempGameFolder &t) { QFile::remove(t.disk("F.DAT")); }, false},
        {"a folder in its place",
         [](const TempGameFolder &t) {
             QFile::remove(t.disk("F.DAT"));
             t.mkdir("F.DAT");
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempGameFolder tmp;
        tmp.write("F.DAT", "abcdef");
        const FileIdentity known = fileIdentity(tmp.disk("F.DAT"));
        c.change(tmp);
        EXPECT_EQ(isSameFile(known, tmp.disk("F.DAT")), c.same);
    }
    TempGameFolder tmp;
    const FileIdentity absent = fileIdentity(tmp.disk("NEW.DAT"));
    EXPECT_TRUE(isSameFile(absent, tmp.disk("NEW.DAT")));
    tmp.write("NEW.DAT", "x");
    EXPECT_FALSE(isSameFile(absent, tmp.disk("NEW.DAT"))) << "created by another program";
}

TEST(FormDocument, EditsBecomeNamedStepsThatUndoAndRedoWalkThrough)
{
    TempGameFolder tmp;
    Counter doc(tmp.folder());
    int replaced = 0;
    QObject::connect(&doc, &Document::formReplaced, [&replaced] { ++replaced; });

    doc.edit(1);
    doc.edit(2); // typing in a box: one step when it is left
    EXPECT_FALSE(doc.canUndo());
    doc.commit();
    doc.change(QStringLiteral("double"), 4);
    EXPECT_EQ(doc.undoText(), "double");
    EXPECT_TRUE(doc.isUnsaved());
    EXPECT_EQ(doc.unsavedWork(), "Counter (COUNT)");

    doc.undo();
    EXPECT_EQ(doc.form(), 2);
    EXPECT_EQ(doc.undoText(), "count 0 -> 2");
    doc.undo();
    EXPECT_EQ(doc.form(), 0);
    EXPECT_FALSE(doc.isUnsaved()) << "changed back is no change";
    doc.redo();
    EXPECT_EQ(doc.form(), 2);
    EXPECT_EQ(doc.redoText(), "double");
    EXPECT_EQ(replaced, 3);

    doc.edit(7); // an edit not committed yet becomes a step before undo
    doc.undo();
    EXPECT_EQ(doc.form(), 2);
    EXPECT_EQ(doc.redoText(), "count 2 -> 7");

    for (int i = 0; i < 150; ++i)
        doc.change(QStringLiteral("step"), 100 + i);
    for (int i = 0; i < 150; ++i)
        doc.undo();
    EXPECT_EQ(doc.form(), 2) << "at least a hundred steps";
}

TEST(FormDocument, ASaveAsksOnlyAboutItsOwnFileChangedElsewhereAndALoadIsAStep)
{
    TempGameFolder tmp;
    tmp.write("COUNT.DAT", "5");
    Counter doc(tmp.folder());
    Answers answers;
    doc.setPrompts(&answers);
    ASSERT_TRUE(doc.reload());
    EXPECT_EQ(doc.form(), 5);
    EXPECT_EQ(doc.undoText(), "load COUNT");
    EXPECT_FALSE(doc.isUnsaved());
    EXPECT_TRUE(doc.mayWrite(QStringLiteral("count.dat")));
    EXPECT_FALSE(doc.changeToAskAbout());

    tmp.write("COUNT.DAT", "66");
    EXPECT_TRUE(doc.mayWrite(QStringLiteral("OTHER.DAT")));
    EXPECT_FALSE(doc.mayWrite(QStringLiteral("COUNT.DAT")));
    answers.replace = true;
    EXPECT_TRUE(doc.mayWrite(QStringLiteral("count.dat")));
    EXPECT_EQ(answers.asked, QStringList({"COUNT.DAT", "COUNT.DAT"}));
    EXPECT_TRUE(doc.changeToAskAbout());
    EXPECT_FALSE(doc.changeToAskAbout()) << "once per change";
    tmp.write("COUNT.DAT", "77");
    EXPECT_TRUE(doc.changeToAskAbout());
}

TEST(OpenDocuments, AnswersWhoHoldsAFileAndWhatItWouldWrite)
{
    TempGameFolder tmp;
    tmp.write("COUNT.DAT", "5");
    OpenDocuments open;
    auto doc = std::make_unique<Counter>(tmp.folder());
    open.add(doc.get());
    open.add(doc.get());
    EXPECT_FALSE(open.reload(QStringLiteral("count.dat"))) << "no window holds it before a load";
    ASSERT_TRUE(doc->reload());
    EXPECT_EQ(open.holding(QStringLiteral("count.dat")), doc.get());
    EXPECT_FALSE(open.holdsUnsaved(QStringLiteral("COUNT.DAT")));
    EXPECT_EQ(open.unsavedBytes(QStringLiteral("COUNT.DAT")), std::nullopt);
    doc->change(QStringLiteral("set"), 9);
    EXPECT_TRUE(open.holdsUnsaved(QStringLiteral("COUNT.DAT")));
    EXPECT_EQ(open.unsavedBytes(QStringLiteral("COUNT.DAT")), QByteArray("9"));
    EXPECT_EQ(open.unsavedWork(), QStringList{"Counter (COUNT)"});
    EXPECT_EQ(open.byWindowId(QStringLiteral("counter")), doc.get());

    tmp.write("COUNT.DAT", "12");
    ASSERT_TRUE(open.reload(QStringLiteral("COUNT.DAT")));
    EXPECT_EQ(doc->form(), 12);
    doc->undo();
    EXPECT_EQ(doc->form(), 9) << "the reload is a step the designer can undo";
    doc.reset();
    EXPECT_TRUE(open.documents().isEmpty());
}

TEST(StepNames, NameWhatChangedLeavingOutDerivedLines)
{
    const LineFieldTable table{{1, QStringLiteral("hero/gold")},
                               {2, QStringLiteral("derived/attack")},
                               {3, QStringLiteral("map/x"), LineField::Form::Text}};
    EXPECT_EQ(describeLineChanges(table, {" 50 ", " 2 ", "3"}, {" 60 ", " 4 ", "3"}, "x"), "gold 50 -> 60");
    EXPECT_EQ(describeLineChanges(table, {" 50 ", " 2 ", "3"}, {" 60 ", " 2 ", "4"}, "x"),
              "gold 50 -> 60, map x 3 -> 4");
    EXPECT_EQ(describeLineChanges(table, {" 50 ", " 2 ", "3"}, {" 50 ", " 9 ", "3"}, "fallback"), "fallback");
}
