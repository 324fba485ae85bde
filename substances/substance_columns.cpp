#include "substance.h"

namespace {

struct ColumnText {
    const char16_t* name;
    const char16_t* description;
};

// Header names of the file; each is also what a message calls the field.
constexpr ColumnText columnTexts[SubstanceColumnCount] = {
    {u"Наименование", u"Наименование"},
    {u"Синонимы", u"Синонимы"},
    {u"Формула", u"Формула"},
    {u"Вид", u"Вид (ГГ, ЛВЖ, ГЖ)"},
    {u"M", u"Молярная масса, кг/кмоль"},
    {u"nC", u"Число атомов углерода"},
    {u"nH", u"Число атомов водорода"},
    {u"nO", u"Число атомов кислорода"},
    {u"nX", u"Число атомов галогенов"},
    {u"A", u"Константа Антуана A (кПа, °C)"},
    {u"B", u"Константа Антуана B"},
    {u"Ca", u"Константа Антуана Ca"},
    {u"tмин", u"Нижняя граница интервала констант, °C"},
    {u"tмакс", u"Верхняя граница интервала констант, °C"},
    {u"tкип", u"Температура кипения, °C"},
    {u"tвсп", u"Температура вспышки, °C"},
    {u"НКПР", u"Нижний концентрационный предел, % (об.)"},
    {u"Qсг", u"Теплота сгорания, кДж/кг"},
    {u"Плотность", u"Плотность жидкости, кг/м³"},
    {u"Pmax", u"Максимальное давление взрыва, кПа"},
    {u"Источник", u"Источник данных"},
};

} // namespace

QString kindText(SubstanceKind kind)
{
    switch (kind) {
    case SubstanceKind::Gas:
        return QStringLiteral("ГГ");
    case SubstanceKind::FlammableLiquid:
        return QStringLiteral("ЛВЖ");
    case SubstanceKind::CombustibleLiquid:
        return QStringLiteral("ГЖ");
    }
    return {};
}

QString columnName(int column)
{
    return QString::fromUtf16(columnTexts[column].name);
}

QString columnDescription(int column)
{
    return QString::fromUtf16(columnTexts[column].description);
}

SubstanceProblem::SubstanceProblem(int column, const QString& reason)
    : UserError(QStringLiteral("Поле «") + columnName(column) + QStringLiteral("»: ") + reason),
      column_(column)
{
}
