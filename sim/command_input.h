#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace vexlor::sim {

// Commands typed on the emulator's standard input, one a line, as a bench
// operator's hands would give them; read as they come, never waited for.
class CommandInput : public QObject {
    Q_OBJECT
public:
    explicit CommandInput(QObject *parent = nullptr);

signals:
    void command(const QString &word);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
};

} // namespace vexlor::sim
