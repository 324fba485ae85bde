// Feeds arbitrary bytes to the calculation file reader. It may refuse them, but only with its own
// error; and whatever it accepts must be a whole file: the exact identification line and 32 number
// lines, each ended, whose numbers are the ones the reader returns, then nothing or blank lines or
// an extension block whose entries, written again, give back its very bytes.

#include "calculation_file.h"
#include "numbers.h"
#include "spill.h"
#include "spill_file.h"

#include <QByteArray>
#include <QList>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "accepted a file that is not whole: %s\n", what);
        std::abort();
    }
}

// An independent reading of one number line: blanks, then a C number with either separator.
bool sameNumber(QByteArray line, double read)
{
    if (line.endsWith('\r'))
        line.chop(1);
    std::string text = line.toStdString();
    if (text.find_first_not_of(" \t0123456789+-.,eE") != std::string::npos)
        return false;
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    if (text.empty() || text.find_first_of(" \t") != std::string::npos)
        return false;
    for (char& c : text)
        if (c == ',')
            c = '.';
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.erase(0, 1);
    double value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    // A number too small for a double reads as zero.
    const bool underflow = error == std::errc::result_out_of_range
                           && (text.find("e-") != std::string::npos || text.find("E-") != std::string::npos);
    if (underflow)
        value = 0;
    return end == last && (error == std::errc() || underflow) && std::isfinite(read) && value == read;
}

// The bytes after line 33: blank lines, or the block exactly as the writer would write the entries.
void checkRest(const QByteArray& bytes, const CalculationFileContents& contents)
{
    qsizetype end = -1;
    for (int line = 0; line <= calculationFileNumberCount; ++line)
        end = bytes.indexOf('\n', end + 1);
    const QByteArray rest = bytes.mid(end + 1);
    if (contents.extension.isEmpty() && !rest.startsWith(extensionBlockMarker())) {
        require(rest.trimmed().isEmpty(), "something other than blank lines after line 33");
        return;
    }
    require(writeExtensionBlock(contents.extension) == rest
                || (contents.extension.isEmpty() && rest == QByteArray(extensionBlockMarker()) + "\r\n"),
            "extension block");
}

void checkWhole(const QByteArray& bytes, const CalculationFileContents& contents)
{
    checkRest(bytes, contents);
    const QList<QByteArray> lines = bytes.split('\n');
    require(lines.size() >= 34, "fewer than 33 ended lines");
    QByteArray first = lines[0];
    if (first.endsWith('\r'))
        first.chop(1);
    require(first == calculationFileIdentification(), "first line");
    for (int i = 0; i < calculationFileNumberCount; ++i)
        require(sameNumber(lines[i + 1], contents.values[i]), "a number line");
}

// What was accepted can be written and read again, and then stays as it is.
void checkRoundTrip(const CalculationFileContents& contents)
{
    CalculationState state;
    applyCalculationFile(contents, state);
    const QByteArray written = writeCalculationFile(state, QLocale::c(), contents.extension);
    CalculationState again;
    const CalculationFileContents read = readCalculationFile(written);
    require(read.extension == contents.extension, "extension round trip");
    applyCalculationFile(read, again);
    require(writeCalculationFile(again, QLocale::c(), read.extension) == written, "round trip");
}

// A spill the extension describes is refused only with the program's error, computes or fails only
// with it, and is written back to the same entries.
void checkSpill(const CalculationFileExtension& extension)
{
    std::optional<SpillInput> spill;
    try {
        spill = spillFromFileEntries(extension);
    } catch (const UserError&) {
        return;
    }
    if (!spill)
        return;
    const std::optional<SpillInput> again = spillFromFileEntries(spillFileEntries(*spill));
    require(again && spillFileEntries(*again) == spillFileEntries(*spill), "spill round trip");
    try {
        const SpillResult result = calculateSpill(*spill);
        require(std::isfinite(result.vapourMass) && result.vapourMass <= result.liquidMass * (1 + 1e-9),
                "spill mass");
    } catch (const UserError&) {
    }
}

} // namespace

// The C library in a Russian locale (decimal comma), as on a user's desktop: the reader and writer
// must not depend on it.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr, "the ru_RU.UTF-8 locale is not generated");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CalculationFileContents contents;
    try {
        contents = readCalculationFile(bytes);
    } catch (const UserError&) {
        return 0;
    }
    checkWhole(bytes, contents);
    checkRoundTrip(contents);
    checkSpill(contents.extension);
    return 0;
}
