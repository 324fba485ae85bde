#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

// Real failing file systems, so that a write error is the kernel's and not a mock's.

// While alive, no file of this process may grow beyond `bytes`: a write past the limit fails with
// EFBIG, as on a user's machine with a quota or `ulimit -f`. SIGXFSZ is ignored meanwhile, so the
// process is told by the failing write instead of being killed.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

// A full file system: a small tmpfs mounted on a folder of its own and filled to the last byte.
// Mounting needs root; elsewhere mounted() is false and the test skips.
class FullFileSystem {
  public:
    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return folder_.path(); }
    // Writes a file that takes every free byte that is left.
    void fill() const;

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};
