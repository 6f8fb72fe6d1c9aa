#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace vexlor::sim {

// The emulator's end of a pseudo-terminal pair in raw mode. The tool opens
// the other end (slavePath()) as if it were the cable's serial port.
class PseudoTerminal : public QObject {
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    // Creates the pair; false with errorText() on failure.
    [[nodiscard]] bool open();
    [[nodiscard]] QString slavePath() const { return m_slavePath; }
    [[nodiscard]] QString errorText() const { return m_error; }

    void write(const QByteArray &bytes);
    // Hangs up the pair, as a pulled cable would.
    void hangUp();

signals:
    void bytesReceived(const QByteArray &bytes);

private:
    void onReadable();

    int m_master = -1;
    int m_slaveHold = -1; // kept open so that the pair survives the tool closing its end
    QSocketNotifier *m_notifier = nullptr;
    QString m_slavePath;
    QString m_error;
};

} // namespace vexlor::sim
