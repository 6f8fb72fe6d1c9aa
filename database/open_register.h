#pragma once

#include "register/record_register.h"

#include <QString>

#include <memory>

namespace vexlor {

// The register each program keeps: the SQLite database at `path` where the
// build has Qt SQL, else NoRegister. Opening waits for the first record or
// read, so a register that cannot be opened stops nothing here.
[[nodiscard]] std::unique_ptr<Register> openRegister(const QString &path = defaultRegisterPath());

} // namespace vexlor
