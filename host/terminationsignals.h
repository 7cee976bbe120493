#pragma once
// SIGTERM and SIGHUP (`kill`, the session ending) end the program as closing the window
// does, so that the game in progress and the settings are kept. The signal handler only
// writes the signal's number into a socket; the event loop reads it and tells received().

#include <QObject>

class QSocketNotifier;

namespace halvane {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one instance at a time. Throws std::runtime_error when the
    // socket cannot be made or a handler cannot be installed.
    explicit TerminationSignals(QObject* parent = nullptr);
    // Puts the default handlers back.
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace halvane
