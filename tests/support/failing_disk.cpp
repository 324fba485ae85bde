#include "failing_disk.h"

#include <QByteArray>
#include <QFile>

#include <csignal>
#include <sys/mount.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, previous_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

FullFileSystem::FullFileSystem()
{
    const QByteArray target = QFile::encodeName(folder_.path());
    mounted_ = folder_.isValid() && ::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") == 0;
}

FullFileSystem::~FullFileSystem()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

void FullFileSystem::fill() const
{
    QFile filler(path() + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) == 1) {
    }
}
