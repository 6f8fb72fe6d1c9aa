#pragma once

#include "doctor/check_result.h"

#include <QString>

#include <functional>

namespace vexlor {

// What the connection doctor's access check finds for the port at a path:
// the window's box for a refused port says that.
using AccessAdvisor = std::function<CheckResult(const QString &path)>;

// The box shown when the port does not open for lack of permission: what the
// connection doctor's access check finds for that node and the fix it gives,
// the same words the doctor reports. Laid out in lines broken only between
// words, to be shown as they stand: a name such as the cable rule's is never
// split, and a command broken over lines ends each but the last in " \", so
// it can be pasted as shown.
[[nodiscard]] QString accessBoxText(const QString &portShown, const CheckResult &access);

// The lines of `text`, each at most `width` characters unless one word is
// longer; words are separated by spaces. For a shell command (`command`),
// single quotes keep what they hold one word, and every line but the last
// ends in " \".
[[nodiscard]] QStringList wrappedLines(const QString &text, int width, bool command);

} // namespace vexlor
