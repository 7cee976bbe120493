#include "host/shutdownsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace halvane {

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP};

// The pipe's ends; -1 while no instance exists. Only the handler and the instance use them.
int g_readEnd = -1;
int g_writeEnd = -1;

extern "C" void onSignal(int signal) {
    // Only async-signal-safe calls here. A full pipe drops the byte: a shut-down is
    // pending anyway.
    const int saved = errno;
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &number, 1);
    errno = saved;
}

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(signal, &action, nullptr) != 0)
        throw std::runtime_error("cannot install the handler of signal " + std::to_string(signal));
}

// Default handlers back, pipe closed.
void release() {
    for (const int signal : Handled)
        ::signal(signal, SIG_DFL);
    ::close(g_readEnd);
    ::close(g_writeEnd);
    g_readEnd = g_writeEnd = -1;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (g_readEnd != -1)
        throw std::runtime_error("the shut-down signals are already watched");
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("cannot create the pipe for the shut-down signals");
    g_readEnd = ends[0];
    g_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(g_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);
    try {
        for (const int signal : Handled)
            setHandler(signal, onSignal);
    } catch (...) {
        release();
        throw;
    }
}

ShutdownSignals::~ShutdownSignals() {
    delete m_notifier; // before its descriptor closes
    release();
}

void ShutdownSignals::readPipe() {
    char numbers[16];
    const ssize_t count = ::read(g_readEnd, numbers, sizeof numbers);
    for (ssize_t i = 0; i < count; ++i)
        emit received(int(numbers[i]));
}

} // namespace halvane
