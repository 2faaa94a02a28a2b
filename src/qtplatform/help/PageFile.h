#pragma once

#include "sound/RegularFile.h"

#include <QByteArray>
#include <QString>

namespace qtplatform {

// No page, style sheet or picture of a page is read beyond this.
constexpr qint64 maxPageBytes = 2 * 1024 * 1024;

// Reads a page file of at most maxPageBytes by an absolute path, through the same
// reader as the sounds: only regular files, never a device or a pipe.
sound::FileProblem readPageFile(const QString& path, QByteArray& data);

} // namespace qtplatform
