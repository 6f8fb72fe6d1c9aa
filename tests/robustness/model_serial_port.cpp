#include "model_serial_port.h"

#include <QMetaObject>

using vexlor::sim::ModelAction;

ModelSerialPort::ModelSerialPort(std::shared_ptr<vexlor::sim::ControllerModel> model, QObject *parent)
    : SerialPort(parent)
    , m_model(std::move(model))
{
}

bool ModelSerialPort::open(const QString &)
{
    m_open = true;
    return true;
}

void ModelSerialPort::later(std::function<void()> step)
{
    QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection);
}

void ModelSerialPort::deliver(const QByteArray &bytes)
{
    if (m_open)
        emit bytesReceived(bytes);
}

void ModelSerialPort::expireWindow()
{
    if (m_link)
        m_link->expireReplyWindow();
}

void ModelSerialPort::write(const QByteArray &bytes)
{
    if (!m_open)
        return;
    m_writes << bytes;
    const QList<ModelAction> actions = m_model->feed(bytes);
    if (actions.isEmpty()) {
        later([this] { expireWindow(); });
        return;
    }
    for (const ModelAction &action : actions) {
        if (action.kind == ModelAction::Kind::PullCable) {
            later([this] {
                if (!m_open)
                    return;
                m_open = false;
                emit resourceLost();
            });
            continue;
        }
        const QByteArray reply = action.bytes;
        if (action.lateMs > 0) {
            // Later than the window: the window closes first.
            later([this] { expireWindow(); });
            later([this, reply] { deliver(reply); });
            continue;
        }
        if (!reply.isEmpty())
            later([this, reply] { deliver(reply); });
        if (reply.size() < vexlor::kReplySize)
            later([this] { expireWindow(); });
    }
}
