#include "write_safety_options.h"

#include "dialogs/message_boxes.h"

#include <QAction>

namespace vexlor {

WriteSafetyOptions::WriteSafetyOptions(QAction *backUpBeforeWrite, QAction *verifyAfterWrite,
                                       SettingsFile &settings, MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_backUp(backUpBeforeWrite), m_verify(verifyAfterWrite),
      m_settings(settings), m_boxes(boxes)
{
    // Only the user's own changes are written: load() ticks without triggering.
    connect(m_backUp, &QAction::triggered, this, &WriteSafetyOptions::store);
    connect(m_verify, &QAction::triggered, this, &WriteSafetyOptions::store);
}

void WriteSafetyOptions::load()
{
    const WriteSafety stored = readWriteSafety(m_settings);
    m_backUp->setChecked(stored.backUpBeforeWrite);
    m_verify->setChecked(stored.verifyAfterWrite);
}

WriteSafety WriteSafetyOptions::current() const
{
    return {m_backUp->isChecked(), m_verify->isChecked()};
}

void WriteSafetyOptions::store()
{
    // The choice holds for this session even when the file cannot keep it.
    const SettingsWriteResult written = writeWriteSafety(m_settings, current());
    if (!written.ok())
        m_boxes.standardError(written.error);
}

} // namespace vexlor
