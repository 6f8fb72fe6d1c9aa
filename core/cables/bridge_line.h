#pragma once

namespace vexlor {

// Drives one line of the cable's USB bridge chip (CBUS pin 3), which the
// serial interface cannot reach. Kept abstract for tests and other platforms.
class BridgeLine {
public:
    virtual ~BridgeLine() = default;
    // flag 1 drives the line high, anything else low. Returns the library's
    // status (0 = done, negative = failed); callers may ignore it, failures
    // are quiet.
    virtual int setBridgeLine(int flag) = 0;
};

// The CBUS bit-bang mask for a flag: upper nibble selects pin 3 as output,
// lower nibble its level.
[[nodiscard]] constexpr unsigned char bridgeLineMask(int flag)
{
    return flag == 1 ? 0x88 : 0x80;
}
inline constexpr unsigned char kBridgeBitMode = 0x20; // CBUS bit-bang
inline constexpr unsigned char kBridgeLatency = 16;

} // namespace vexlor
