// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "safefile.h"

#include "dialogs.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuv::store {

namespace {

FileProblem problemOfErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return FileProblem::Missing;
    case EACCES:
    case EPERM:
        return FileProblem::NoPermission;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        return FileProblem::NotRegular;
    case EFBIG:
    case EOVERFLOW:
        return FileProblem::TooLarge;
    default:
        return FileProblem::ReadError;
    }
}

FileCheck checkStat(const struct stat& st, qint64 maxBytes)
{
    if (!S_ISREG(st.st_mode))
        return {FileProblem::NotRegular, 0};
    if (maxBytes >= 0 && st.st_size > maxBytes)
        return {FileProblem::TooLarge, st.st_size};
    return {FileProblem::None, st.st_size};
}

// Closes the descriptor however the read ends.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

QString fileProblemText(FileProblem problem)
{
    switch (problem) {
    case FileProblem::None: return {};
    case FileProblem::Missing: return QStringLiteral("nicht gefunden");
    case FileProblem::NoPermission: return QStringLiteral("keine Berechtigung");
    case FileProblem::NotRegular: return QStringLiteral("kein normaler Datei-Typ");
    case FileProblem::TooLarge: return QStringLiteral("zu groß");
    case FileProblem::Damaged: return QStringLiteral("beschädigt");
    case FileProblem::ReadError: return QStringLiteral("Lesefehler");
    }
    return {};
}

QString fileProblemMessage(const QString& path, FileProblem problem)
{
    return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2.")
        .arg(QDir::toNativeSeparators(path), fileProblemText(problem));
}

FileCheck checkRegularFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty())
        return {FileProblem::Missing, 0};
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return {problemOfErrno(errno), 0};
    FileCheck check = checkStat(st, maxBytes);
    if (check.ok() && ::access(native.constData(), R_OK) != 0)
        check.problem = problemOfErrno(errno);
    return check;
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes, FileProblem& problem)
{
    problem = checkRegularFile(path, maxBytes).problem;
    if (problem != FileProblem::None)
        return {};
    // O_NONBLOCK: should the path have become a FIFO since the check, open returns at once.
    const Fd file{::open(QFile::encodeName(path).constData(),
                         O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        problem = problemOfErrno(errno);
        return {};
    }
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) {
        problem = problemOfErrno(errno);
        return {};
    }
    problem = checkStat(st, maxBytes).problem;
    if (problem != FileProblem::None)
        return {};
    QByteArray data;
    data.resize(static_cast<qsizetype>(st.st_size));
    qsizetype done = 0;
    // A file that grows while it is read is cut at the size seen by fstat.
    while (done < data.size()) {
        const ssize_t n = ::read(file.fd, data.data() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            problem = problemOfErrno(errno);
            return {};
        }
        if (n == 0)
            break;
        done += n;
    }
    data.truncate(done);
    return data;
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes)
{
    FileProblem problem = FileProblem::None;
    QByteArray data = readRegularFile(path, maxBytes, problem);
    if (problem != FileProblem::None)
        throw core::Error(fileProblemMessage(path, problem));
    return data;
}

} // namespace zuv::store
