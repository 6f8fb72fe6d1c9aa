#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

namespace vexlor {

// A small arbitrary-size unsigned integer: just what exact decimal <-> binary
// conversion needs (multiply and divide by small numbers, shifts, bit access).
// Plain 32-bit limbs with 64-bit intermediates, so every compiler builds it the
// same way; no 128-bit integer type is used.
class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(quint64 value);

    // Decimal digits only ("000123" is 123); an empty text is 0.
    [[nodiscard]] static BigUnsigned fromDecimalDigits(QStringView digits);

    [[nodiscard]] bool isZero() const { return m_limbs.empty(); }
    [[nodiscard]] int bitLength() const;
    [[nodiscard]] bool testBit(int bit) const;
    // True when any bit below `bit` (bits 0 .. bit-1) is set.
    [[nodiscard]] bool anyBitBelow(int bit) const;
    // The 64 bits starting at `lowBit`, i.e. (this >> lowBit) mod 2^64.
    [[nodiscard]] quint64 bitsFrom(int lowBit) const;

    void multiply(quint32 factor);
    void add(quint32 addend);
    // Divides in place and returns the remainder; divisor must not be 0.
    quint32 divide(quint32 divisor);
    void shiftLeft(int bits);

    [[nodiscard]] QString toDecimalDigits() const;

private:
    void trim();

    std::vector<quint32> m_limbs; // least significant first, no leading zero limbs
};

} // namespace vexlor
