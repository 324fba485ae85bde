#include "own_materials.h"

#include "numbers.h"
#include "whole_file.h"

#include <algorithm>

namespace {

// A larger file is not a table of the user's materials.
constexpr qint64 ownFileMaxSize = 4 * 1024 * 1024;

SharedTable<Material> ownTable(const QString& path)
{
    const auto read = [path] {
        TableRows<Material> rows = readMaterialRows(QString::fromUtf8(readRegularFile(path, ownFileMaxSize)));
        for (Material& row : rows.rows)
            row.own = true;
        return rows;
    };
    const auto write = [path](const std::vector<Material>& rows) {
        writeFileWhole(path, writeMaterialTable(rows).toUtf8());
    };
    return {path, QStringLiteral("Файл собственных материалов ") + fileNameShown(path), read, write};
}

void require(bool holds, int field, const QString& reason)
{
    if (!holds)
        throw MaterialProblem(field, reason);
}

void checkRange(double value, int field, double lowest, double highest)
{
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    require(value >= lowest && value <= highest, field,
            QStringLiteral("вне пределов от ") + formatNumber(lowest, locale) + QStringLiteral(" до ")
                + formatNumber(highest, locale));
}

void checkTexts(const Material& m)
{
    require(!m.name.isEmpty(), NameField, QStringLiteral("не заполнено"));
    require(!m.heatSource.isEmpty(), HeatSourceField, QStringLiteral("не указан источник Qн"));
    require(m.criticalFlux || m.fluxSource.isEmpty(), FluxField,
            QStringLiteral("не заполнено, хотя указан источник qкр"));
    require(!m.criticalFlux || !m.fluxSource.isEmpty(), FluxSourceField,
            QStringLiteral("не указан источник qкр"));
    const std::pair<int, QString> texts[] = {{NameField, m.name},
                                             {HeatSourceField, m.heatSource},
                                             {FluxSourceField, m.fluxSource},
                                             {NoteField, m.note}};
    for (const auto& [field, text] : texts) {
        require(!text.contains(u';'), field, QStringLiteral("не может содержать «;»"));
        require(std::ranges::none_of(text, isControlCharacter), field,
                QStringLiteral("не может содержать перевод строки и другие управляющие символы"));
    }
}

// The row as the file gives it back.
void checkWritesExactly(const Material& m)
{
    const Material back = readMaterialTable(writeMaterialTable({m})).at(0);
    const QString reason = QStringLiteral("не более 15 значащих цифр: больше файл не сохраняет");
    require(back.heat == m.heat, HeatField, reason);
    require(back.criticalFlux == m.criticalFlux, FluxField, reason);
}

} // namespace

QString materialFieldName(int field)
{
    static const char* const names[MaterialFieldCount] = {"Наименование", "Qн, МДж/кг",   "qкр, кВт/м²",
                                                          "Источник Qн",  "Источник qкр", "Примечание"};
    return QString::fromUtf8(names[field]);
}

MaterialProblem::MaterialProblem(int field, const QString& reason)
    : UserError(QStringLiteral("Поле «") + materialFieldName(field) + QStringLiteral("»: ") + reason),
      field_(field)
{
}

MaterialTexts materialTexts(const Material& m, const QLocale& locale)
{
    return {m.name,
            formatNumber(m.heat, locale),
            m.criticalFlux ? formatNumber(*m.criticalFlux, locale) : QString(),
            m.heatSource,
            m.fluxSource,
            m.note};
}

Material materialFromTexts(const MaterialTexts& texts, const QLocale& locale)
{
    const auto number = [&](int field) {
        try {
            return parseNumber(texts[field], locale);
        } catch (const UserError&) {
            throw MaterialProblem(field, QStringLiteral("не число"));
        }
    };
    Material m;
    m.name = texts[NameField].trimmed();
    require(!texts[HeatField].trimmed().isEmpty(), HeatField, QStringLiteral("не заполнено"));
    m.heat = number(HeatField);
    if (!texts[FluxField].trimmed().isEmpty())
        m.criticalFlux = number(FluxField);
    m.heatSource = texts[HeatSourceField].trimmed();
    m.fluxSource = texts[FluxSourceField].trimmed();
    m.note = texts[NoteField].trimmed();
    m.own = true;
    return m;
}

void checkMaterial(const Material& material, const std::vector<Material>& others)
{
    checkTexts(material);
    checkRange(material.heat, HeatField, lowestPlausibleHeat, highestPlausibleHeat);
    if (material.criticalFlux)
        checkRange(*material.criticalFlux, FluxField, lowestPlausibleFlux, highestPlausibleFlux);
    checkWritesExactly(material);
    require(!findMaterial(shippedMaterials(), material.name) && !findMaterial(others, material.name),
            NameField, QStringLiteral("материал «") + material.name + QStringLiteral("» уже есть в таблице"));
}

OwnMaterials loadOwnMaterials(const QString& path)
{
    return loadSharedTable(ownTable(path),
                           QStringLiteral("Собственные материалы не показаны; встроенная таблица работает."));
}

OwnMaterials changeOwnMaterials(const QString& path, const OwnMaterialChange& change)
{
    return changeSharedTable<Material>(ownTable(path), [&change](std::vector<Material>& rows) {
        change(rows);
        for (Material& row : rows)
            row.own = true;
    });
}

void addOwnMaterial(std::vector<Material>& rows, const Material& added)
{
    checkMaterial(added, rows);
    rows.push_back(added);
}

void replaceOwnMaterial(std::vector<Material>& rows, const QString& name, const Material& edited)
{
    const auto found = std::ranges::find(rows, name, &Material::name);
    if (found == rows.end())
        throw UserError(QStringLiteral("Материал «") + name
                        + QStringLiteral("» удален в другой копии программы."));
    const auto index = found - rows.begin();
    std::vector<Material> others = rows;
    others.erase(others.begin() + index);
    checkMaterial(edited, others);
    rows[index] = edited;
}

void removeOwnMaterial(std::vector<Material>& rows, const QString& name)
{
    std::erase_if(rows, [&name](const Material& row) { return row.name == name; });
}
