// Feeds arbitrary text to the text-to-number rule in a comma and a point locale, with the C library
// itself in a Russian locale (decimal comma), as on a user's desktop. A refusal must be UserError;
// an accepted number must be finite, and its text must read back to the same text. A single-precision
// number is shown with seven significant digits, which do not line up with its binary steps: the
// single nearest to the shown text may lie several steps away (near 1E+28 or 1E-38), but never more
// than one unit of the seventh digit.

#include "numbers.h"
#include "user_error.h"

#include <QLocale>
#include <QString>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "number rule broken: %s\n", what);
        std::abort();
    }
}

void check(const QString& text, const QLocale& locale)
{
    double value = 0;
    try {
        value = parseNumber(text, locale);
    } catch (const UserError&) {
        return;
    }
    require(std::isfinite(value), "accepted a number that is not finite");
    const QString shown = formatNumber(value, locale);
    require(formatNumber(parseNumber(shown, locale), locale) == shown, "shown number does not read back");
    const bool fitsASingle = std::fabs(value) <= double(std::numeric_limits<float>::max());
    const float single = fitsASingle ? float(value) : 0.0f;
    const QString shownSingle = formatNumber(single, locale);
    const float readBack = float(parseNumber(shownSingle, locale));
    const double seventhDigit =
        single == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(double(single)))) - 6);
    require(std::fabs(double(readBack) - double(single)) <= seventhDigit, "shown single does not read back");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr, "the ru_RU.UTF-8 locale is not generated");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QLocale comma(QLocale::Russian, QLocale::Russia);
    static const QLocale point = QLocale::c();
    check(text, comma);
    check(text, point);
    return 0;
}
