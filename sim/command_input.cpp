#include "command_input.h"

#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

namespace vexlor::sim {

CommandInput::CommandInput(QObject *parent)
    : QObject(parent)
    , m_notifier(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &CommandInput::onReadable);
}

void CommandInput::onReadable()
{
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
        return;
    if (n <= 0) {
        m_notifier->setEnabled(false); // the input ended: no more commands
        return;
    }
    m_pending.append(buffer, qsizetype(n));
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QString word = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (!word.isEmpty())
            emit command(word);
    }
}

} // namespace vexlor::sim
