// What keeping unsaved work safe costs: a recovery copy of a 20,000-line
// macro, a 40 x 40 sprite and a savegame against dumping the same content to
// JSON plus one atomic write, measured in one run.
#include "core/app/recovery_copy.h"
#include "core/common/file_io.h"
#include "core/macro/macro_document.h"
#include "core/savegame/savegame_document.h"
#include "core/sprite/sprite_document.h"
#include "core/textform/surroundings.h"
#include "core/textform/text_form.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tav;

namespace {

QByteArray longMacro(int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += "MSG 1 Line " + QByteArray::number(i) + " of a long talk\r\n";
    return text;
}

// The documents, each holding unsaved work.
struct Documents {
    QTemporaryDir dir;
    GameFolder folder{dir.path()};
    MacroDocument macro{folder};
    SpriteDocument sprite{folder};
    SaveGameDocument savegame{folder};

    Documents()
    {
        macro.restore(longMacro(20000), QJsonObject{{"name", "LONG"}});
        QRandomGenerator random(7);
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 40; ++y)
                sprite.setCell(x, y, std::uint8_t(random.bounded(256)));
        sprite.setName(QStringLiteral("\\ORC"));
        PlayerState state;
        state.hero.setGold(1234);
        state.inventory.add(3);
        savegame.edit(state);
    }
    const Document &operator[](int kind) const
    {
        const Document *documents[] = {&macro, &sprite, &savegame};
        return *documents[kind];
    }
};

Documents &documents()
{
    static Documents instance;
    return instance;
}

const char *kKinds[] = {"macro of 20000 lines", "sprite 40 x 40", "savegame"};

void BM_RecoveryCopy(benchmark::State &state)
{
    const Document &document = documents()[int(state.range(0))];
    const QString path = documents().dir.filePath(QStringLiteral("copy.json"));
    for (auto _ : state) {
        const Result<QByteArray> json = recoveryCopyJson(recoverySnapshot(document, documents().folder.root()));
        benchmark::DoNotOptimize(writeFileAtomically(path, json.value()).ok());
    }
    state.SetLabel(kKinds[state.range(0)]);
}

// The yardstick: the file's bytes dumped to JSON as tavtool dump does, and
// one atomic write of it.
void BM_DumpAndWrite(benchmark::State &state)
{
    const Document &document = documents()[int(state.range(0))];
    const QByteArray bytes = document.fileBytes();
    const textform::TextFormat &format = *textform::formatById(document.formatId());
    const QString path = documents().dir.filePath(QStringLiteral("dump.json"));
    for (auto _ : state) {
        const Result<QJsonObject> dump =
            textform::dumpBytes(format, bytes, textform::surroundingsFrom(documents().folder.root()));
        benchmark::DoNotOptimize(
            writeFileAtomically(path, QJsonDocument(dump.value()).toJson(QJsonDocument::Indented)).ok());
    }
    state.SetLabel(kKinds[state.range(0)]);
}

} // namespace

BENCHMARK(BM_RecoveryCopy)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DumpAndWrite)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
