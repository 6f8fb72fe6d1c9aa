#pragma once

#include "port/serial_port.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// The in-memory serial port: records what is written and answers through a
// responder, from the event loop as a real port does (never inside write()),
// after a delay, whole or byte by byte. Without a responder the test delivers
// bytes and losses itself with receive() and pullCable().
class FakeSerialPort : public vexlor::SerialPort {
    Q_OBJECT
public:
    struct Answer {
        QByteArray bytes;
        int delayMs = 0;           // after the write; 0 still comes from the event loop
        bool bytewise = false;     // one notification per byte
        bool pullCable = false;    // instead of answering, the device goes away
        std::function<void()> then; // runs once the answer was delivered (or withheld)
    };
    // Called for every write on an open port; nullopt means no answer.
    using Responder = std::function<std::optional<Answer>(const QByteArray &written)>;

    explicit FakeSerialPort(QObject *parent = nullptr) : SerialPort(parent) {}

    bool open(const QString &path) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void write(const QByteArray &bytes) override;
    OpenError openError() const override { return m_openError; }
    bool requestLowLatency() override
    {
        ++lowLatencyRequests;
        return m_open;
    }

    // Delivers bytes as if they had just arrived.
    void receive(const QByteArray &bytes) { emit bytesReceived(bytes); }
    // The device vanishes under the open port.
    void pullCable();

    Responder responder;
    OpenError failOpenWith = OpenError::None; // the next opens fail so ...
    int failedOpensLeft = -1;   // ... this many of them (-1: all)
    QList<QByteArray> writes;   // every write on an open port, in order
    QStringList openedPaths;    // every successful open
    int openAttempts = 0;
    int closeCalls = 0;
    int lowLatencyRequests = 0;

private:
    void deliver(const Answer &answer);

    bool m_open = false;
    OpenError m_openError = OpenError::None;
};
