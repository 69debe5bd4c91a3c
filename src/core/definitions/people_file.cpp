#include "core/definitions/people_file.h"

#include "core/common/text_file.h"

namespace tav {

QList<Person> parsePeople(const QStringList &lines)
{
    QList<Person> people;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 3)
        people.append({lines[i], lines[i + 1]});
    return people;
}

Result<QList<Person>> readPeople(const GameFolder &folder)
{
    const Result<TextFile> file = readTextFile(folder.resolve(kPeoplePath));
    if (!file)
        return file.status();
    return parsePeople(file->lines);
}

} // namespace tav
