#include "building_category.h"

#include "numbers.h"

#include <cmath>

namespace {

QString comparison(bool exceeds)
{
    return exceeds ? QStringLiteral(">") : QStringLiteral("≤");
}

// The sum each rule counts, spelled as the code of practice adds it up.
QString sumExpression(BuildingCategory category)
{
    switch (category) {
    case BuildingCategory::A:
        return QStringLiteral("S_А");
    case BuildingCategory::B:
        return QStringLiteral("S_А + S_Б");
    case BuildingCategory::V:
        return QStringLiteral("S_А + S_Б + S_В1 + S_В2 + S_В3");
    case BuildingCategory::G:
        return QStringLiteral("S_А + S_Б + S_В1 + S_В2 + S_В3 + S_Г");
    case BuildingCategory::D:
        break;
    }
    return {};
}

QString suppressedRooms(BuildingCategory category)
{
    return category == BuildingCategory::A   ? QStringLiteral("категории А")
           : category == BuildingCategory::B ? QStringLiteral("категорий А и Б")
                                             : QStringLiteral("категорий А, Б, В1, В2 и В3");
}

class LineWriter {
  public:
    explicit LineWriter(const QLocale& locale) : locale_(locale) {}

    QString area(double value) const { return formatNumber(value, locale_) + QStringLiteral(" м²"); }

    // A share to two decimals; more when two decimals would show the limit itself beside a sign
    // that says it is exceeded.
    QString percent(double share, double limit, bool exceeds) const
    {
        const double rounded = std::round(share * 100) / 100;
        return formatNumber(exceeds && rounded <= limit ? share : rounded, locale_) + QStringLiteral(" %");
    }

    QString rule(const CategoryRule& rule) const
    {
        const QString category = buildingCategoryText(rule.category);
        QString line = category % QStringLiteral(": ") % sumExpression(rule.category) % QStringLiteral(" = ")
                       % area(rule.sum);
        if (rule.hasAreaLimit)
            line += u' ' % comparison(rule.areaExceeds) % u' ' % area(categoryAreaLimit);
        line += QStringLiteral(" (") % percent(rule.share, rule.shareLimit, rule.shareExceeds) % u' '
                % comparison(rule.shareExceeds) % u' ' % formatNumber(rule.shareLimit, locale_)
                % QStringLiteral(" %)");
        if (rule.shareLimit == categoryShareLimitOnlyV)
            line += QStringLiteral(" [10 %: в здании нет помещений категорий А и Б]");
        const QString clause = QStringLiteral(" (п. ") % assigningClauseText(rule.category) % u')';
        if (!rule.exceeds())
            return line % QStringLiteral(" — не превышает: здание не относится к категории ") % category
                   % clause % u'.';
        line += QStringLiteral("; исключение п. ") % exemptingClauseText(rule.category);
        if (rule.exempt())
            return line % QStringLiteral(": ") % exemptionTerms(rule).join(QStringLiteral(", "))
                   % QStringLiteral(" — здание не относится к категории ") % category % u'.';
        return line % QStringLiteral(" не применяется: ") % exemptionTerms(rule).join(QStringLiteral(", "))
               % QStringLiteral(" — здание относится к категории ") % category % clause % u'.';
    }

  private:
    // All three conditions when the exemption holds; the ones that fail when it does not.
    QStringList exemptionTerms(const CategoryRule& rule) const
    {
        const bool all = rule.exempt();
        QStringList terms;
        if (all || !rule.withinExemptionShare)
            terms << percent(rule.share, exemptionShareLimit, !rule.withinExemptionShare) % u' '
                         % comparison(!rule.withinExemptionShare) % QStringLiteral(" 25 %");
        if (all || !rule.withinExemptionArea)
            terms << area(rule.sum) % u' ' % comparison(!rule.withinExemptionArea) % u' '
                         % area(rule.exemptionAreaLimit);
        if (all)
            terms << QStringLiteral("все помещения ") % suppressedRooms(rule.category)
                         % QStringLiteral(" оснащены установками автоматического пожаротушения");
        else if (!rule.allSuppressed)
            terms << QStringLiteral("без установки автоматического пожаротушения: «")
                         % rule.unsuppressed.join(QStringLiteral("», «")) % u'»';
        return terms;
    }

    const QLocale& locale_;
};

// The rooms of category Г alone would not make the building Г: the В1 to В3 rooms (and any А and
// Б rooms) that the rules for А, Б and В let pass are counted again by the rule for Г.
bool categoryGFromOtherRooms(const BuildingAssessment& assessment)
{
    const double areaG = assessment.areaByCategory[static_cast<int>(RoomCategory::G)];
    return assessment.category == BuildingCategory::G
           && areaG * 100 <= categoryShareLimit * assessment.totalArea;
}

} // namespace

QStringList assessmentLines(const BuildingAssessment& assessment, const QLocale& locale)
{
    const LineWriter writer(locale);
    QStringList lines;
    lines << QStringLiteral("Категория здания: ") % buildingCategoryText(assessment.category)
                 % QStringLiteral(" (п. ") % assigningClauseText(assessment.category)
                 % QStringLiteral(" СП 12.13130.2009)");
    if (categoryGFromOtherRooms(assessment))
        lines << QStringLiteral(
                     "Категорию Г определяют помещения категорий А, Б, В1–В3: по п. 6.6 их площадь "
                     "не относит здание к категории В, но по п. 6.8 она суммируется с площадью "
                     "помещений категории Г (S_Г = ")
                     % writer.area(assessment.areaByCategory[static_cast<int>(RoomCategory::G)])
                     % QStringLiteral(").");
    lines << QStringLiteral("Площадь всех помещений ΣS = ") % writer.area(assessment.totalArea) % u'.';
    for (const CategoryRule& rule : assessment.rules)
        lines << writer.rule(rule);
    if (assessment.category == BuildingCategory::D)
        lines << QStringLiteral("Д: здание не относится к категориям А, Б, В и Г (п. 6.10).");
    return lines;
}
