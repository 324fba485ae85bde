#include "gas_release_file.h"

#include "user_error.h"

namespace {

const QString prefix = QStringLiteral("gas.");

struct Field {
    const char* key;
    double GasRelease::*value;
    QString GasReleaseFields::*text;
};

const Field fields[] = {
    {"apparatusPressure", &GasRelease::apparatusPressure, &GasReleaseFields::apparatusPressure},
    {"apparatusVolume", &GasRelease::apparatusVolume, &GasReleaseFields::apparatusVolume},
    {"flowRate", &GasRelease::flowRate, &GasReleaseFields::flowRate},
    {"shutOffTime", &GasRelease::shutOffTime, &GasReleaseFields::shutOffTime},
    {"pipelinePressure", &GasRelease::pipelinePressure, &GasReleaseFields::pipelinePressure},
    {"density", &GasRelease::density, &GasReleaseFields::density},
};

QString key(const char* name)
{
    return prefix + QLatin1String(name);
}

QString pipelineKey(qsizetype index, const char* what)
{
    return prefix + QStringLiteral("pipeline.%1.").arg(index + 1) + QLatin1String(what);
}

// The shortest text that reads back as the same double.
QString exactText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString requiredValue(const CalculationFileExtension& extension, const QString& name)
{
    const QString value = extensionValue(extension, name);
    if (value.isNull())
        throw UserError(QStringLiteral("в данных выброса газа нет значения %1").arg(name));
    return value;
}

} // namespace

CalculationFileExtension gasReleaseFileEntries(const GasRelease& release)
{
    CalculationFileExtension entries;
    for (const Field& field : fields)
        entries.append({key(field.key), exactText(release.*field.value)});
    for (qsizetype i = 0; i < release.pipelines.size(); ++i) {
        entries.append({pipelineKey(i, "diameter"), exactText(release.pipelines[i].diameter)});
        entries.append({pipelineKey(i, "length"), exactText(release.pipelines[i].length)});
    }
    return entries;
}

std::optional<GasRelease> gasReleaseFromFileEntries(const CalculationFileExtension& extension)
{
    if (!hasEntriesOf(extension, prefix))
        return std::nullopt;
    GasReleaseFields texts;
    for (const Field& field : fields)
        texts.*field.text = requiredValue(extension, key(field.key));
    for (qsizetype i = 0; !extensionValue(extension, pipelineKey(i, "diameter")).isNull(); ++i)
        texts.pipelines.append({extensionValue(extension, pipelineKey(i, "diameter")),
                                requiredValue(extension, pipelineKey(i, "length"))});
    try {
        return calculateGasRelease(texts, QLocale::c());
    } catch (const UserError&) {
        throw UserError(QStringLiteral("данные выброса газа не являются неотрицательными числами"));
    }
}
