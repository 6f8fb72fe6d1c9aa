#include "record_register.h"
#include "register_texts.h"

#include "translation.h"

#include <QStandardPaths>

namespace vexlor {

QString NoRegister::add(const RegisterRecord &)
{
    return unavailableReason();
}

QList<RegisterRecord> NoRegister::records(QString &error)
{
    error = unavailableReason();
    return {};
}

QString NoRegister::unavailableReason() const
{
    return translated("Register", texts::kNoRegisterInBuild);
}

QString defaultRegisterPath()
{
    // Beside BackupStore::defaultFolder(), named the same way so the window
    // and the CLI share it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vexlor-adjustor/register.sqlite");
}

} // namespace vexlor
