#include "core_test.h"
#include "whole_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// The reader takes a regular file up to its cap, also through a link, and refuses the rest with
// the reason the messages show after the file's name. (The writer's failures are the report
// document's tests: full disk, size limit, links, pipes, a folder in the way.)
TEST(ReadRegularFile, TakesARegularFileUpToItsCapAndNothingElse)
{
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    writeFileBytes(path("over"), QByteArray(11, 'x'));
    ASSERT_TRUE(QFile::link(path("over"), path("link")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("fifo"), path("link-to-fifo")));
    EXPECT_EQ(readRegularFile(path("link"), 11), QByteArray(11, 'x'));
    const std::pair<const char*, const char*> refused[] = {{"over", "файл слишком велик"},
                                                           {"link-to-fifo", "это не обычный файл"}};
    for (const auto& [name, reason] : refused) {
        try {
            readRegularFile(path(name), 10);
            ADD_FAILURE() << "read " << name;
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(reason)) << name;
        }
    }
}

} // namespace
