#pragma once

#include "params/parameter_comparison.h"

#include <QString>

class QLabel;

namespace vexlor {

// What the window knows of the controller it last talked to: the fingerprint
// of the settings it holds, shown in the status strip, and its software
// version. Forgotten when an exchange leaves the settings uncertain.
class KnownController {
public:
    // `fingerprintLabel` (FingerprintLabel) must outlive this.
    explicit KnownController(QLabel *fingerprintLabel);

    // A read's value as it arrives (index 0 carries the version).
    void take(int index, quint16 value);
    // The read is over: what it took is what the controller holds, or,
    // after a failure, nothing is known of its settings.
    void readFinished(bool passed);
    // The controller holds these values: written and stored, or compared.
    void holds(const ParameterValues &values);
    // The controller's settings are not known (a write that failed).
    void forget();

    // "1-35", as the connection test shows it; empty until known.
    void setVersion(const QString &version) { m_version = version; }
    [[nodiscard]] const QString &version() const { return m_version; }

private:
    QLabel *m_label;
    ParameterValues m_read{};
    QString m_version;
};

} // namespace vexlor
