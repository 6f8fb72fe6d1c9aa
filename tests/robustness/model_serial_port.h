#pragma once

#include "controller_model.h"

#include "link/controller_link.h"
#include "link/serial_port.h"

#include <memory>

// The emulator's controller in-process, behind a serial port that answers
// from the event loop. Time is the port's to drive: a reply that cannot
// complete (none, short, late) ends the link's window at once instead of
// after 100 ms of real waiting, and a late reply arrives after that.
class ModelSerialPort : public vexlor::SerialPort {
    Q_OBJECT
public:
    explicit ModelSerialPort(std::shared_ptr<vexlor::sim::ControllerModel> model,
                             QObject *parent = nullptr);

    // The link whose reply window this port closes; set once the link exists.
    void setLink(vexlor::ControllerLink *link) { m_link = link; }

    bool open(const QString &path) override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void write(const QByteArray &bytes) override;
    OpenError openError() const override { return OpenError::None; }

    [[nodiscard]] const QList<QByteArray> &writes() const { return m_writes; }

private:
    void later(std::function<void()> step);
    void deliver(const QByteArray &bytes);
    void expireWindow();

    std::shared_ptr<vexlor::sim::ControllerModel> m_model;
    vexlor::ControllerLink *m_link = nullptr;
    QList<QByteArray> m_writes;
    bool m_open = false;
};
