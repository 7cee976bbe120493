#pragma once
// Files that are not ordinary files, for the tests of every reader of the program's files:
// a FIFO, which holds whoever opens it for reading until a writer comes, and a link to
// /dev/zero, which never ends. Header only, so host and dialog tests can use it.

#include <QFile>
#include <QString>

#include <exception>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace gdi::test {

inline bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

inline bool linkToDevZero(const QString& path) {
    return QFile::link(QStringLiteral("/dev/zero"), path);
}

// Runs `call` on a thread of its own and says whether it returned within five seconds;
// what it throws is thrown again here. A call still stuck opening the FIFO `fifo` is then
// released by opening the FIFO's writing end, so a reader that blocks fails its test
// instead of hanging the suite.
inline bool returnsSoon(const std::function<void()>& call, const QString& fifo) {
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::exception_ptr thrown;
    std::thread worker([&] {
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
        done.set_value();
    });
    const bool soon = finished.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!soon) {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    worker.join();
    if (thrown) {
        std::rethrow_exception(thrown);
    }
    return soon;
}

} // namespace gdi::test
