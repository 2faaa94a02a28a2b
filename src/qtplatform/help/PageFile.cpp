#include "PageFile.h"

#include <QDir>
#include <QFile>

#include <string>

namespace qtplatform {

sound::FileProblem readPageFile(const QString& path, QByteArray& data)
{
    data.clear();
    if (!QDir::isAbsolutePath(path) || path.contains(QChar(0)))
        return sound::FileProblem::NotFound;
    std::string bytes;
    const sound::FileProblem problem =
        sound::readRegularFile(QFile::encodeName(path).toStdString(), std::size_t(maxPageBytes), false, bytes);
    if (problem == sound::FileProblem::None)
        data = QByteArray(bytes.data(), qsizetype(bytes.size()));
    return problem;
}

} // namespace qtplatform
