#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace zuv::core {

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withSlash(QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString programPath(const QString& relative)
{
    return programFolder() + relative;
}

void setProgramFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

} // namespace zuv::core
