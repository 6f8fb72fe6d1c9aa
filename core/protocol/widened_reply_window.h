#pragma once

#include "reply_deadline.h"

#include <memory>

namespace vexlor {

// A reply window wider than the controller's 100 ms, for a program run by a
// test on a busy machine, where the controller's emulator may be slow to be
// scheduled: VEXLOR_REPLY_WINDOW_MS names it in milliseconds (over 100).
// Null when the variable is not set or names no wider window: the session
// then keeps its own timer, as for every user.
[[nodiscard]] std::unique_ptr<ReplyDeadline> widenedReplyWindowFromEnvironment();

} // namespace vexlor
