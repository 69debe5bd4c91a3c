// Every data file of the bundled sample game folder: dump then load gives
// the same bytes, and the dump of what load wrote is the same JSON.
#include "core/common/file_io.h"
#include "core/textform/text_form.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace tav::textform {
namespace {

TEST(SampleRoundTrip, EveryDataFileOfTheSampleLoadsBackByteForByte)
{
    int dumped = 0;
    QDirIterator files(QStringLiteral(TAV_SOURCE_DIR "/sample"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const Result<QByteArray> bytes = readWholeFile(path);
        ASSERT_TRUE(bytes.ok()) << path.toStdString();
        const TextFormat *format = formatOf(QFileInfo(path).fileName(), bytes.value());
        if (!format)
            continue;
        SCOPED_TRACE(path.toStdString());
        const Result<QJsonObject> dump = dumpBytes(*format, bytes.value());
        ASSERT_TRUE(dump.ok()) << dump.error().toStdString();
        EXPECT_EQ(dump->value(QStringLiteral("normalised")).toArray(), QJsonArray());
        const Result<QByteArray> loaded = bytesFromDump(dump.value());
        ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
        EXPECT_EQ(loaded.value(), bytes.value());
        EXPECT_TRUE(checkerErrors(*format, loaded.value()).isEmpty());
        const Result<QJsonObject> again = dumpBytes(*format, loaded.value());
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.value(), dump.value());
        ++dumped;
    }
    EXPECT_GE(dumped, 40);
}

} // namespace
} // namespace tav::textform
