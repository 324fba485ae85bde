#include "substance_search.h"

QString searchKey(const QString& text)
{
    return text.trimmed().toLower().replace(u'ё', u'е');
}

bool matchesSearch(const Substance& substance, const QString& typed)
{
    const QString key = searchKey(typed);
    if (key.isEmpty())
        return true;
    if (searchKey(substance.name).contains(key) || searchKey(substance.formula).contains(key))
        return true;
    for (const QString& synonym : substance.synonyms)
        if (searchKey(synonym).contains(key))
            return true;
    return false;
}

std::vector<int> searchSubstances(const std::vector<Substance>& rows, const QString& typed)
{
    std::vector<int> found;
    for (int index = 0; index < int(rows.size()); ++index)
        if (matchesSearch(rows[index], typed))
            found.push_back(index);
    return found;
}
