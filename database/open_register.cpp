#include "open_register.h"

#ifdef VEXLOR_HAS_QT_SQL
#include "server_address.h"
#include "shop_register.h"
#include "sqlite_register.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QSqlDatabase>
#endif

namespace vexlor {

std::unique_ptr<Register> openRegister(const QString &path, const QString &server)
{
#ifdef VEXLOR_HAS_QT_SQL
    if (!namesServer(server))
        return std::make_unique<SqliteRegister>(path);
    const ParsedServerAddress parsed = parseServerAddress(server);
    if (!parsed.address)
        return std::make_unique<ShopRegister>(path, nullptr, withoutPassword(server), parsed.error);
    const QString name = parsed.address->text();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        return std::make_unique<ShopRegister>(path, nullptr, name,
                                              translated("Register", texts::kServerNotInBuild));
    }
    return std::make_unique<ShopRegister>(path, std::make_unique<ServerRegister>(*parsed.address), name);
#else
    (void)path;
    (void)server;
    return std::make_unique<NoRegister>();
#endif
}

} // namespace vexlor
