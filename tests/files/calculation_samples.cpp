#include "calculation_samples.h"

#include "calculation_file.h"
#include "numbers.h"

#include <cmath>
#include <type_traits>

std::vector<double> fileNumbersOf(const CalculationState& state)
{
    std::vector<double> numbers;
    for (const CalculationFileValue& value : calculationFileValues())
        numbers.push_back(std::visit([&](auto member) { return double(state.*member); }, value.member));
    return numbers;
}

CalculationState busyState()
{
    CalculationState state;
    int i = 0;
    for (const CalculationFileValue& value : calculationFileValues()) {
        ++i;
        const double sign = i % 4 == 0 ? -1 : 1;
        const double number = sign * (i + 1) / 7.0 * std::pow(10.0, i % 6 - 2);
        std::visit([&](auto member) { state.*member = std::remove_reference_t<decltype(state.*member)>(number); },
                   value.member);
    }
    state.T = 1.0 / 3e5;   // exponent form below 1E-04
    state.Pn = 1.5e16 / 7; // exponent form from 1E+15
    state.U = 2.0f / 3;    // seven digits only
    state.W = -1e-6f / 3;
    state.out = QStringLiteral("<p>report</p>");
    return state;
}

CalculationState afterFileTrip(const CalculationState& state, const QLocale& locale)
{
    CalculationState result = state;
    for (const CalculationFileValue& value : calculationFileValues())
        std::visit(
            [&](auto member) {
                using Number = std::remove_reference_t<decltype(state.*member)>;
                result.*member = Number(parseNumber(formatNumber(state.*member, locale), locale));
            },
            value.member);
    return result;
}

QByteArray startStateFile()
{
    // EP to Vvent, T, Pn and Em are 0; tr is 3600 s; pl, A, B and C are 0; T1 is 37 degrees;
    // the atom counts, Mpr and Qsg are 0.
    QByteArray bytes = identificationLine() + "\r\n";
    bytes += QByteArray(" 0 \r\n").repeated(20);
    bytes += " 3600 \r\n";
    bytes += QByteArray(" 0 \r\n").repeated(4);
    bytes += " 37 \r\n";
    bytes += QByteArray(" 0 \r\n").repeated(6);
    return bytes;
}

QByteArray identificationLine() { return QByteArray("//Morvex//"); }

QByteArray fileWithLines(const std::vector<QByteArray>& numberLines, const QByteArray& lineEnd)
{
    QByteArray bytes = identificationLine() + lineEnd;
    for (const QByteArray& line : numberLines)
        bytes += line + lineEnd;
    return bytes;
}
