#pragma once

#include "reply_script.h"

#include "link/serial_port.h"

#include <QByteArray>
#include <QList>

namespace vexlor::fuzz {

// A serial port whose controller side is a script: every write takes the next
// segment; its first chunk (or a cable pull) may come inside write(), the rest
// when the harness calls deliverNextChunk(). Time does not pass on its own: the
// harness ends a silent window itself.
class ScriptedSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit ScriptedSerialPort(QList<ReplySegment> segments, QObject *parent = nullptr);

    bool open(const QString &path) override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void write(const QByteArray &bytes) override;
    OpenError openError() const override { return OpenError::None; }

    // Delivers the next chunk of the current segment; false when none is left.
    bool deliverNextChunk();
    // Whether the current segment ends with the cable pulled; asks once.
    bool takeCablePull();
    // The device goes away under the open port.
    void pullCable();

    [[nodiscard]] const QList<QByteArray> &writes() const { return m_writes; }

    // Prints every write and every delivered chunk to stderr (for triage).
    bool trace = false;

private:
    void deliver(const QByteArray &chunk, const char *when);

    QList<ReplySegment> m_segments;
    QList<QByteArray> m_writes;
    QList<QByteArray> m_pending;
    bool m_pullPending = false;
    bool m_open = false;
};

} // namespace vexlor::fuzz
