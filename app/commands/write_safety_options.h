#pragma once

#include "config/write_safety_settings.h"

#include <QObject>

class QAction;

namespace vexlor {

class MessageBoxes;

// Connect > "Back Up Before Write" and "Verify After Write": ticked as their
// own section of config.ini says, and every change written there at once.
class WriteSafetyOptions : public QObject {
    Q_OBJECT
public:
    // The two checkable items; everything must outlive the options.
    WriteSafetyOptions(QAction *backUpBeforeWrite, QAction *verifyAfterWrite, MessageBoxes &boxes,
                       QObject *parent = nullptr);

    // Start-up: ticks the items as `settings` holds them; from then on each
    // change the user makes is written to it.
    void load(SettingsFile &settings);

    // The options for the next write.
    [[nodiscard]] WriteSafety current() const;

private:
    void store();

    QAction *m_backUp;
    QAction *m_verify;
    MessageBoxes &m_boxes;
    SettingsFile *m_settings = nullptr;
};

} // namespace vexlor
