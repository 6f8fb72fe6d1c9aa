#include "known_controller.h"

#include "basics/shop_texts.h"

#include "params/settings_fingerprint.h"

#include <QLabel>

namespace vexlor {

KnownController::KnownController(QLabel *fingerprintLabel) : m_label(fingerprintLabel) {}

void KnownController::take(int index, quint16 value)
{
    m_read[index] = value;
    if (index == 0) // the version item: major and minor, as the connection test reads them
        m_version = QStringLiteral("%1-%2").arg(value >> 8).arg(value & 0xFF);
}

void KnownController::readFinished(bool passed)
{
    if (passed)
        holds(m_read);
    else
        forget();
}

void KnownController::holds(const ParameterValues &values)
{
    m_label->setText(texts::shopText(texts::kFingerprintStatus).arg(settingsFingerprint(values)));
}

void KnownController::forget()
{
    m_label->clear();
}

} // namespace vexlor
