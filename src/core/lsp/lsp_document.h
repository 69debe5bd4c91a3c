#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tav::lsp {

// A place in a document as a client gives it: a line and the UTF-16 code
// units before it in that line (a QString's characters).
struct Position {
    qsizetype line = 0;
    qsizetype character = 0;
};

// A character of a document that the game's code page cannot hold.
struct UnwritableCharacter {
    qsizetype line = 0;
    qsizetype start = 0;
    qsizetype length = 1; // 2 for a character beyond the Basic Multilingual Plane
    QString character;
};

// The text of a document a client has open, held as lines. Lines end at CR
// LF, CR or LF, as the protocol counts them.
class Document {
public:
    explicit Document(QStringView text = {});

    const QStringList &lines() const { return m_lines; }

    void replaceAll(QStringView text);
    // Replaces the text between two places. A line past the end means the
    // end of the text; a character past its line's end means the line's end.
    void replace(Position from, Position to, QStringView text);

    // The lines as the game's file would hold them: a client that read the
    // file as Latin-1 sends the bytes 0x80 to 0x9F as U+0080 to U+009F;
    // these become the characters of the code page that the bytes stand for.
    QStringList gameLines() const;
    // The characters that the code page cannot hold.
    QList<UnwritableCharacter> unwritableCharacters() const;

private:
    Position clamp(Position position) const;

    QStringList m_lines;
};

QStringList splitLines(QStringView text);

// A line as the game's file holds it (see Document::gameLines).
QString gameText(QString line);

} // namespace tav::lsp
