#include "file_entries.h"

QString extensionValue(const CalculationFileExtension& extension, const QString& key)
{
    for (const auto& [name, value] : extension)
        if (name == key)
            return value;
    return {};
}

bool hasEntriesOf(const CalculationFileExtension& extension, const QString& prefix)
{
    for (const auto& entry : extension)
        if (entry.first.startsWith(prefix))
            return true;
    return false;
}
