#pragma once

#include "settings/write_safety_settings.h"

#include <QObject>

class QAction;

namespace vexlor {

class MessageBoxes;

// Connect > "Back Up Before Write" and "Verify After Write": ticked as their
// own section of config.ini says, and every change written there at once.
class WriteSafetyOptions : public QObject {
    Q_OBJECT
public:
    // The two checkable items and config.ini; everything must outlive the options.
    WriteSafetyOptions(QAction *backUpBeforeWrite, QAction *verifyAfterWrite,
                       SettingsFile &settings, MessageBoxes &boxes, QObject *parent = nullptr);

    // Start-up: ticks the items as config.ini holds them; from then on each
    // change the user makes is written to it.
    void load();

    // The options for the next write.
    [[nodiscard]] WriteSafety current() const;

private:
    void store();

    QAction *m_backUp;
    QAction *m_verify;
    SettingsFile &m_settings;
    MessageBoxes &m_boxes;
};

} // namespace vexlor
