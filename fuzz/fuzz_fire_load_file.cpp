// Feeds arbitrary bytes to the fire-load file reader. It may refuse them, but only with its own
// error; whatever it accepts is a room the calculation takes, and writing it and reading it back
// gives the same room.

#include "fire_load.h"
#include "fire_load_file.h"
#include "user_error.h"

#include <QByteArray>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

// The user's locale is Russian: the reader must not depend on the C library's decimal separator.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr, "the ru_RU.UTF-8 locale is not generated");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FireLoadRoom room;
    try {
        room = readFireLoadFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const UserError&) {
        return 0;
    }
    try {
        assessFireLoad(room);
    } catch (const UserError&) {
        // A finite room may still overflow the sum of its heat; that is told, not a crash.
    }
    const QByteArray written = writeFireLoadFile(room);
    require(writeFireLoadFile(readFireLoadFile(written)) == written,
            "a written room does not read back the same");
    return 0;
}
