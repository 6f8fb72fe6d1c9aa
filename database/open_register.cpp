#include "open_register.h"

#ifdef VEXLOR_HAS_QT_SQL
#include "sqlite_register.h"
#endif

namespace vexlor {

std::unique_ptr<Register> openRegister(const QString &path)
{
#ifdef VEXLOR_HAS_QT_SQL
    return std::make_unique<SqliteRegister>(path);
#else
    (void)path;
    return std::make_unique<NoRegister>();
#endif
}

} // namespace vexlor
