#pragma once

#include <QByteArrayView>

namespace tav {

// How a line of a text file ends.
enum class LineEnd {
    CrLf,   // CR LF, the game's own line end
    BareLf, // an LF without a CR before it
    LoneCr, // a CR that no LF follows (only where a lone CR ends a line)
    None,   // the last line of a file that does not end in a line end
};

// What a lone CR (a CR that no LF follows) is to a reader.
enum class LoneCr {
    InLine,   // part of the line's text, as the kit's data file readers take it
    EndsLine, // a line end, as the macro editor takes it
};

// One line as the scanner finds it: its bytes without the line end.
struct ScannedLine {
    QByteArrayView text;
    LineEnd end = LineEnd::None;
    int number = 0; // from 1
    // With LoneCr::InLine: where the first lone CR stands in text, -1 for none.
    qsizetype loneCr = -1;
};

// The one reading of a text file's bytes as lines, shared by the kit's
// readers, tavtool's dump, load, show and check: it walks over the bytes
// without copying them, in one pass, so a file of any size costs its length
// and no more memory than one line. A line ends at an LF (CR LF or a bare
// LF) and, with LoneCr::EndsLine, at a CR that no LF follows. Nothing after
// the last line end is no line: "A\r\n" is one line, "A\r\nB" two.
class LineScanner {
public:
    explicit LineScanner(QByteArrayView bytes, LoneCr loneCr = LoneCr::InLine)
        : m_bytes(bytes)
        , m_loneCr(loneCr)
    {
    }

    // Fills `line` with the next line; false after the last one.
    bool next(ScannedLine &line);

private:
    QByteArrayView m_bytes;
    LoneCr m_loneCr;
    qsizetype m_pos = 0;
    qsizetype m_nextLf = -2; // where the next LF is (-1: none left; -2: not looked yet)
    int m_number = 0;
};

// The lines of a file that do not end in CR LF, as a scanner finds them:
// how many, and the number of the first.
struct StrayLineEnds {
    int bareLf = 0;
    int firstBareLf = 0;
    int loneCr = 0; // lines ended by a lone CR (LoneCr::EndsLine)
    int firstLoneCr = 0;

    void count(const ScannedLine &line)
    {
        if (line.end == LineEnd::BareLf && bareLf++ == 0)
            firstBareLf = line.number;
        if (line.end == LineEnd::LoneCr && loneCr++ == 0)
            firstLoneCr = line.number;
    }
};

} // namespace tav
