#pragma once

#include "register/record_register.h"

#include <QString>

#include <memory>

namespace vexlor {

// The register each program keeps: the SQLite database at `path` where the
// build has Qt SQL, else NoRegister. With `server` (a shop's
// postgresql://USER@HOST[:PORT]/DB), the shop's register on that server,
// each record kept at `path` until the server has it; a server this build
// or this address cannot reach keeps the records at `path` and says why.
// Opening waits for the first record or read, so a register that cannot be
// opened stops nothing here.
[[nodiscard]] std::unique_ptr<Register> openRegister(const QString &path = defaultRegisterPath(),
                                                     const QString &server = {});

} // namespace vexlor
