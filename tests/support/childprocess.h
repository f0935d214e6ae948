#pragma once

#include <QByteArray>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Limits for a child process running a body that might hang, exhaust memory
// or fill the disk.
struct ChildLimits
{
    rlim_t fileSize = RLIM_INFINITY; // the child's writes fail past it, without SIGXFSZ
    unsigned seconds = 0; // the child is killed after it; 0: never
};

// Runs body in a forked child under limits and returns what the body reported
// through a pipe, or "child did not exit" when it was killed. The limits must
// not touch the test's own process, hence the fork.
inline QByteArray runInChild(const ChildLimits &limits, const std::function<QByteArray()> &body)
{
    int fds[2];
    if (pipe(fds) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap { limits.fileSize, limits.fileSize };
        if (limits.seconds)
            alarm(limits.seconds);
        QByteArray report = limits.fileSize != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &cap) != 0
            ? QByteArray("setrlimit failed")
            : body();
        const char *data = report.constData();
        qsizetype left = report.size();
        while (left > 0) {
            const ssize_t n = write(fds[1], data, size_t(left));
            if (n <= 0)
                break;
            data += n;
            left -= n;
        }
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    QByteArray report;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "child did not exit";
    return report;
}
