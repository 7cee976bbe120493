#pragma once
// SIGTERM and SIGHUP (the session ends, the machine shuts down) as a Qt signal: the
// handler only writes the signal's number into a pipe; the event loop reads it and emits
// received(), so that the program shuts down as its Exit command does, settings saved.
//
// One instance at a time; it restores the default handlers when it goes.

#include <QObject>

class QSocketNotifier;

namespace halvane {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers. Throws std::runtime_error when the pipe cannot be made, a
    // handler cannot be installed, or another instance exists.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    // Emitted from the event loop once per signal that arrived (SIGTERM or SIGHUP).
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace halvane
