#include "host/terminationsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace halvane {

namespace {

constexpr std::array<int, 2> Handled{SIGTERM, SIGHUP};

// [0] is read by the event loop, [1] written by the handler.
int s_socket[2] = {-1, -1};

extern "C" void writeSignal(int signalNumber) {
    // Only async-signal-safe calls here; a full socket drops the byte, and one is enough.
    const int saved = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(s_socket[1], &byte, 1);
    errno = saved;
}

// The signal that could not be given `handler`, or 0.
int install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : Handled) {
        if (sigaction(signalNumber, &action, nullptr) != 0) {
            return signalNumber;
        }
    }
    return 0;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_socket) != 0) {
        throw std::runtime_error(std::string("cannot make the signal socket: ") +
                                 std::strerror(errno));
    }
    m_notifier = new QSocketNotifier(s_socket[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    if (const int failed = install(writeSignal); failed != 0) {
        const std::string reason = std::strerror(errno);
        install(SIG_DFL);
        throw std::runtime_error("cannot handle signal " + std::to_string(failed) + ": " + reason);
    }
}

TerminationSignals::~TerminationSignals() {
    install(SIG_DFL);
    delete m_notifier;
    ::close(s_socket[0]);
    ::close(s_socket[1]);
    s_socket[0] = s_socket[1] = -1;
}

void TerminationSignals::readSignal() {
    char byte = 0;
    while (::read(s_socket[0], &byte, 1) == 1) {
        emit received(int(byte));
    }
}

} // namespace halvane
