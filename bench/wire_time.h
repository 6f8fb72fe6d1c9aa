#pragma once

// What the wire takes at the controller's 9600 baud (ten bits a byte): the
// floor every benchmark measures the tool against.
namespace vexlor::bench {

inline constexpr double kByteSeconds = 10.0 / 9600.0;
// One plain write: sixty 9-byte frames out, sixty 4-byte replies, the store
// command and its reply.
inline constexpr double kPlainWriteLimit = (60 * 9 + 60 * 4 + 4 + 4) * kByteSeconds;
// A guarded write: the backup read, the write and the verifying read, and the store.
inline constexpr double kGuardedWireTime = (3 * (60 * 9 + 60 * 4) + 4 + 4) * kByteSeconds;

} // namespace vexlor::bench
