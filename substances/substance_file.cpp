#include "substance_file.h"

#include "user_error.h"

namespace {

const QString nameKey = QStringLiteral("substance.name");
const QString formulaKey = QStringLiteral("substance.formula");
const QString sourceKey = QStringLiteral("substance.source");
const QString ownKey = QStringLiteral("substance.own");

} // namespace

CalculationFileExtension substanceFileEntries(const Substance& substance)
{
    return {{nameKey, substance.name},
            {formulaKey, substance.formula},
            {sourceKey, substance.source},
            {ownKey, substance.own ? QStringLiteral("1") : QStringLiteral("0")}};
}

std::optional<Substance> substanceFromFileEntries(const CalculationFileExtension& extension,
                                                  const CalculationState& opened)
{
    const QString name = extensionValue(extension, nameKey);
    if (name.isNull())
        return std::nullopt;
    if (name.trimmed().isEmpty())
        throw UserError(QStringLiteral("в данных вещества пустое название"));
    Substance substance;
    substance.name = name;
    substance.formula = extensionValue(extension, formulaKey);
    substance.source = extensionValue(extension, sourceKey);
    substance.own = extensionValue(extension, ownKey) == u"1";
    substance.molarMass = opened.M;
    substance.nC = opened.nC;
    substance.nH = opened.nH;
    substance.nO = opened.nO;
    substance.nX = opened.nX;
    substance.antoineA = opened.A;
    substance.antoineB = opened.B;
    substance.antoineC = opened.C;
    return substance;
}
