#include "spill_file.h"

#include "numbers.h"
#include "user_error.h"

#include <QHash>

#include <array>
#include <charconv>

namespace {

const QString prefix = QStringLiteral("spill.");

// The shortest text that reads back as the same double.
QString exactText(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

QString pipelineKey(qsizetype number, const char* quantity)
{
    return prefix + QStringLiteral("pipeline.%1.").arg(number) + QLatin1String(quantity);
}

UserError damaged(const QString& key)
{
    return UserError(QStringLiteral("запись «%1» о разливе жидкости повреждена или отсутствует").arg(key));
}

// The spill entries by name; any other entry belongs to someone else.
class SpillEntries {
  public:
    explicit SpillEntries(const CalculationFileExtension& entries)
    {
        for (const auto& [key, value] : entries)
            if (key.startsWith(prefix)) {
                if (values_.contains(key))
                    throw damaged(key);
                values_.insert(key, value);
            }
    }
    bool isEmpty() const { return values_.isEmpty(); }
    bool has(const QString& key) const { return values_.contains(key); }
    double take(const QString& key)
    {
        const auto found = values_.constFind(key);
        if (found == values_.constEnd())
            throw damaged(key);
        try {
            const double value = parseNumber(*found, QLocale::c());
            values_.erase(found);
            return value;
        } catch (const UserError&) {
            throw damaged(key);
        }
    }
    // An entry left over is one this program does not know.
    void checkAllTaken() const
    {
        if (!values_.isEmpty())
            throw damaged(values_.constBegin().key());
    }

  private:
    QHash<QString, QString> values_;
};

} // namespace

CalculationFileExtension spillFileEntries(const SpillInput& in)
{
    CalculationFileExtension entries{
        {prefix + QStringLiteral("apparatusVolume"), exactText(in.apparatusVolume)},
        {prefix + QStringLiteral("flowRate"), exactText(in.flowRate)},
        {prefix + QStringLiteral("shutOffTime"), exactText(in.shutOffTime)},
        {prefix + QStringLiteral("pipelines"), exactText(double(in.pipelines.size()))}};
    for (qsizetype i = 0; i < in.pipelines.size(); ++i) {
        entries.append({pipelineKey(i + 1, "diameter"), exactText(in.pipelines[i].diameter)});
        entries.append({pipelineKey(i + 1, "length"), exactText(in.pipelines[i].length)});
    }
    entries.append({{prefix + QStringLiteral("liquidDensity"), exactText(in.liquidDensity)},
                    {prefix + QStringLiteral("solventShare"), exactText(in.solventShare)},
                    {prefix + QStringLiteral("floorArea"), exactText(in.floorArea)}});
    if (in.trayArea)
        entries.append({prefix + QStringLiteral("trayArea"), exactText(*in.trayArea)});
    entries.append({{prefix + QStringLiteral("airSpeed"), exactText(in.airSpeed)},
                    {prefix + QStringLiteral("vapourPressure"), exactText(in.vapourPressure)},
                    {prefix + QStringLiteral("molarMass"), exactText(in.molarMass)},
                    {prefix + QStringLiteral("airTemperature"), exactText(in.airTemperature)}});
    return entries;
}

std::optional<SpillInput> spillFromFileEntries(const CalculationFileExtension& entries)
{
    SpillEntries e(entries);
    if (e.isEmpty())
        return std::nullopt;
    const auto take = [&e](const char* name) { return e.take(prefix + QLatin1String(name)); };
    SpillInput in;
    in.apparatusVolume = take("apparatusVolume");
    in.flowRate = take("flowRate");
    in.shutOffTime = take("shutOffTime");
    const double count = take("pipelines");
    if (count < 0 || count > 1000 || count != qsizetype(count))
        throw damaged(prefix + QStringLiteral("pipelines"));
    for (qsizetype i = 1; i <= qsizetype(count); ++i) {
        const double diameter = e.take(pipelineKey(i, "diameter"));
        in.pipelines.append({diameter, e.take(pipelineKey(i, "length"))});
    }
    in.liquidDensity = take("liquidDensity");
    in.solventShare = take("solventShare");
    in.floorArea = take("floorArea");
    if (e.has(prefix + QStringLiteral("trayArea")))
        in.trayArea = take("trayArea");
    in.airSpeed = take("airSpeed");
    in.vapourPressure = take("vapourPressure");
    in.molarMass = take("molarMass");
    in.airTemperature = take("airTemperature");
    e.checkAllTaken();
    return in;
}
