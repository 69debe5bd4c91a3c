#pragma once

#include "support/temp_game_folder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tav::test {

// Copies the bundled sample game folder into the temporary folder.
void copySample(const TempGameFolder &tmp);

// The findings the sample holds on purpose, as findingKey() writes them.
QStringList sampleWarnings();

// "FILE:LINE: severity code", how the fault tables name a finding.
QString findingKey(const QString &file, int line, const QString &severity, const QString &code);

// One fault put into a copy of the sample, and the findings it must give.
struct SampleFault {
    QString family;
    std::function<void(const TempGameFolder &)> apply;
    QStringList expected;
};

// A fault of every kind the checker knows; the faults of different files do
// not touch each other, so all of them fit in one copy of the sample.
const QList<SampleFault> &sampleFaults();

QStringList faultFamilies();

} // namespace tav::test
