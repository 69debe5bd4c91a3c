#pragma once

#include <QString>

#include <ostream>

// Shows texts in failure messages with their line breaks visible.
inline void PrintTo(const QString &text, std::ostream *out)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    *out << '"' << shown.toStdString() << '"';
}
