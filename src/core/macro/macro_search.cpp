#include "core/macro/macro_search.h"

#include <algorithm>

namespace tav {
namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isWholeWord(QStringView text, qsizetype start, qsizetype length)
{
    return (start == 0 || !isWordCharacter(text[start - 1])) &&
           (start + length == text.size() || !isWordCharacter(text[start + length]));
}

// The first match at or after `from` (backward: starting at or before it).
std::optional<qsizetype> scan(QStringView text, QStringView needle, qsizetype from, const FindOptions &options)
{
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    while (from >= 0 && from <= text.size()) {
        const qsizetype at = options.backward ? text.lastIndexOf(needle, from, cs) : text.indexOf(needle, from, cs);
        if (at < 0)
            return std::nullopt;
        if (!options.wholeWords || isWholeWord(text, at, needle.size()))
            return at;
        from = options.backward ? at - 1 : at + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<TextMatch> findText(QStringView text, QStringView needle, qsizetype from, const FindOptions &options)
{
    if (needle.isEmpty() || needle.size() > text.size())
        return std::nullopt;
    from = std::clamp<qsizetype>(from, 0, text.size());
    const qsizetype last = text.size() - needle.size();
    std::optional<qsizetype> at = options.backward ? scan(text, needle, std::min(from - needle.size(), last), options)
                                                   : scan(text, needle, from, options);
    if (!at) // round past the end
        at = options.backward ? scan(text, needle, last, options) : scan(text, needle, 0, options);
    if (!at)
        return std::nullopt;
    return TextMatch{*at, needle.size()};
}

} // namespace tav
