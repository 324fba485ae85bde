#pragma once

#include "user_error.h"

#include <QByteArray>
#include <QString>

// The one way the program writes and reads its files.
//
// A file is written whole: into a temporary file beside the target, every write and the last flush
// checked, then renamed over the target. A failure at any byte (a full disk, a file-size limit, a
// folder that takes no new file) keeps the previous file byte for byte. A symbolic link, FIFO or
// device in the target's place is replaced by a regular file, never written through.
//
// A file is read whole before anything parses it, and only when it is a regular file (a FIFO would
// wait for a writer for good; a device such as /dev/zero never ends) no larger than the caller's cap.
//
// Both throw UserError whose message is the reason alone, in Russian, lower case, without the file
// name ("это не обычный файл"); the caller puts it after the file's name, shown by fileNameShown().

void writeFileWhole(const QString& path, const QByteArray& bytes);

QByteArray readRegularFile(const QString& path, qint64 maxSize);

// «/home/user/расчет.pzr»: the file's native path in guillemets, as every message names a file.
QString fileNameShown(const QString& path);
