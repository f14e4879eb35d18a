// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvane {

namespace {

// A link to an open descriptor ("/dev/stdout", "/dev/fd/3", "/proc/self/fd/1") anywhere on
// the way from `path` to what it names: the output then goes where that descriptor goes,
// also when that is a regular file a shell opened for it ("> moon.ics", ">> log").
bool NamesDescriptor(const QString& path) {
    static const QRegularExpression descriptor(
        QStringLiteral("^/(dev/fd|proc/[^/]+/fd)/[0-9]+$|^/dev/std(in|out|err)$"));
    QString step = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int links = 0; links < 40; ++links) {
        if (descriptor.match(step).hasMatch())
            return true;
        const QFileInfo info(step);
        if (!info.isSymLink())
            return false;
        const QString target = info.symLinkTarget();
        if (target.isEmpty())
            return false;
        step = QDir::cleanPath(target);
    }
    return false;
}

// Writes every byte through an open descriptor, as many calls as it takes. A reader that went
// away gives "Broken pipe" rather than the signal that would end the program.
int WriteAll(int fd, const QByteArray& bytes) {
    sigset_t pipeSignal, before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    int error = 0;
    for (qsizetype done = 0; done < bytes.size() && error == 0;) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR)
            error = errno;
    }
    if (error == EPIPE && !sigismember(&before, SIGPIPE)) {
        // The signal the failed write raised waits, blocked: take it before unblocking.
        const timespec now{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return error;
}

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file could not be written: its own reason, or where it has none ("Unknown error", as
// after a write cut short by a full disk) the system's, from the call that failed.
QString Reason(const QFileDevice& file, int systemError) {
    const QString reason = file.errorString();
    if (systemError != 0 && (reason.isEmpty() || reason == QFile().errorString()))
        return Reason(systemError);
    return reason;
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const auto failed = [&](const QString& reason) {
        if (error)
            //: A file could not be written: its path, then the system's reason.
            *error = QCoreApplication::translate("selvane::AtomicFile", "Cannot write \"%1\": %2.")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    const bool exists = ::stat(name.constData(), &found) == 0;
    if (exists && (!S_ISREG(found.st_mode) || NamesDescriptor(path))) {
        // Never replaced: a stream cannot be whole or nothing, and a device node, a fifo or a
        // socket taken away would break whatever else uses it. A regular file behind a
        // descriptor is added to, where the descriptor's owner left it.
        const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | (S_ISREG(found.st_mode) ? O_APPEND : 0);
        const int fd = ::open(name.constData(), flags);
        if (fd < 0)
            return failed(Reason(errno));
        int written = WriteAll(fd, bytes);
        if (::close(fd) != 0 && written == 0 && errno != EINTR)
            written = errno;
        return written == 0 || failed(Reason(written));
    }

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(Reason(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failed(Reason(file, errno));
    errno = 0;
    if (!file.commit())
        return failed(Reason(file, errno));
    return true;
}

QString SaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace selvane
