#include "numbers.h"

#include "user_error.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Rewrites the text as plain ASCII "[-]digits[.digits][e[-]digits]" or returns an empty string
// when it is not a number of the accepted form.
std::string normalize(const QString& text, const QLocale& locale)
{
    const QString s = text.trimmed();
    const QString decimal = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    std::string ascii;
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < s.size() ? s.at(k) : QChar(); };
    if (at(i) == u'+' || at(i) == u'-' || (!minus.isEmpty() && s.mid(i).startsWith(minus))) {
        if (at(i) != u'+')
            ascii += '-';
        i += (at(i) == u'+' || at(i) == u'-') ? 1 : minus.size();
    }
    int mantissaDigits = 0;
    while (isDigit(at(i))) {
        ascii += char(at(i++).unicode());
        ++mantissaDigits;
    }
    if (!decimal.isEmpty() && s.mid(i).startsWith(decimal)) {
        ascii += '.';
        i += decimal.size();
        while (isDigit(at(i))) {
            ascii += char(at(i++).unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (at(i) == u'e' || at(i) == u'E') {
        ascii += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ascii += char(at(i++).unicode());
        if (!isDigit(at(i)))
            return {};
        while (isDigit(at(i)))
            ascii += char(at(i++).unicode());
    }
    return i == s.size() ? ascii : std::string();
}

bool hasNegativeExponent(const std::string& ascii)
{
    const auto e = ascii.find('e');
    return e != std::string::npos && e + 1 < ascii.size() && ascii[e + 1] == '-';
}

// Writes |value| rounded to `digits` significant digits in the fixed or exponent form of the rule.
QString formatMagnitude(double value, int digits, int exponentFrom, const QString& decimal)
{
    // std::to_chars writes the same text whatever the C library's locale, unlike printf.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string text(buffer, written.ptr);
    const auto e = text.find('e');
    int exponent = 0;
    const char* exponentFirst = text.data() + e + 1;
    if (*exponentFirst == '+')
        ++exponentFirst;
    std::from_chars(exponentFirst, text.data() + text.size(), exponent);
    std::string mantissa;
    for (char c : text.substr(0, e))
        if (c != '.')
            mantissa += c;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    QString result;
    if (exponent < -4 || exponent >= exponentFrom) {
        result = QString::fromLatin1(mantissa.substr(0, 1));
        if (mantissa.size() > 1)
            result += decimal + QString::fromLatin1(mantissa.substr(1));
        const int magnitude = std::abs(exponent);
        result += QLatin1String(exponent < 0 ? "E-" : "E+");
        result += QString::number(magnitude).rightJustified(2, u'0');
    } else if (exponent < 0) {
        result = u'0' + decimal + QString(-exponent - 1, u'0') + QString::fromLatin1(mantissa);
    } else if (std::size_t(exponent) + 1 >= mantissa.size()) {
        result = QString::fromLatin1(mantissa) + QString(exponent + 1 - int(mantissa.size()), u'0');
    } else {
        result = QString::fromLatin1(mantissa.substr(0, exponent + 1)) + decimal
                 + QString::fromLatin1(mantissa.substr(exponent + 1));
    }
    return result;
}

QString format(double value, int digits, int exponentFrom, const QLocale& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (value == 0)
        return QStringLiteral("0");
    const QString magnitude = formatMagnitude(std::fabs(value), digits, exponentFrom, locale.decimalPoint());
    return value < 0 ? u'-' + magnitude : magnitude;
}

} // namespace

double parseNumber(const QString& text, const QLocale& locale)
{
    const std::string ascii = normalize(text, locale);
    if (ascii.empty())
        throw UserError();
    double value = 0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range && hasNegativeExponent(ascii))
        return ascii.front() == '-' ? -0.0 : 0.0; // too small for a double: it is zero
    if (error != std::errc() || end != last || !std::isfinite(value))
        throw UserError();
    return value;
}

QString formatNumber(double value, const QLocale& locale)
{
    return format(value, 15, 15, locale);
}

QString formatNumber(float value, const QLocale& locale)
{
    return format(value, 7, 7, locale);
}
