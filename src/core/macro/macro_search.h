#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tav {

struct FindOptions {
    bool matchCase = false;
    bool wholeWords = false;
    bool backward = false;
};

// A match of a search in a text: where it starts and how long it is.
struct TextMatch {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextMatch &, const TextMatch &) = default;
};

// The next match of `needle` in `text` after `from` (or, backward, the last
// one ending before it), going round past the end; none for an empty needle.
// Whole words have no letter, digit or "_" on either side.
std::optional<TextMatch> findText(QStringView text, QStringView needle, qsizetype from, const FindOptions &options);

// The live formatting drops every "%" but the very first character of a
// macro, so a replacement holding one would not stay as typed.
inline const QString kPercentReplacementRefused =
    QStringLiteral("The replacement holds a \"%\": the macro editor keeps a \"%\" only as the very first character "
                   "of a macro (the preprocessor line), so it would be removed. Replace without it.");
inline bool isAllowedReplacement(QStringView replacement)
{
    return !replacement.contains(QLatin1Char('%'));
}

} // namespace tav
