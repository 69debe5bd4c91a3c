#pragma once

#include "core/common/result.h"

#include <QString>

namespace tav {

class Scrapboard;

// Naming the filled scrapboard frames #1 to #N in one series: a GRAFIK
// folder entry ("" or "\UNITS"), a common prefix and the frame number. File
// names stay within 8 characters, so the prefix has at most 7 and a prefix
// of 7 allows only the frames #1 to #9.
namespace BatchRename {

constexpr int kMaxPrefixLength = 7;
constexpr int kMaxFrames = 12;

// "\UNITS\ORC3" for the entry "\UNITS", the prefix ORC and the number 3.
QString seriesName(const QString &folderEntry, const QString &prefix, int number);

// The last frame number the prefix allows: with a prefix longer than 6
// characters a number above 9 becomes 9.
int lastFrameAllowed(const QString &prefix, int lastFrame);

// Whether the names stay in their GRAFIK folder; the reason is a sentence
// for the user.
Status checkPrefix(const QString &folderEntry, const QString &prefix);

// Names the filled frames #1 to #lastFrame; empty frames keep their names.
// Returns how many frames were named.
int renameFrames(Scrapboard &board, const QString &folderEntry, const QString &prefix, int lastFrame);

} // namespace BatchRename
} // namespace tav
