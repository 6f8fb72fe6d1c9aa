#include "big_unsigned.h"

#include <algorithm>

namespace vexlor {

BigUnsigned::BigUnsigned(quint64 value)
{
    while (value != 0) {
        m_limbs.push_back(quint32(value));
        value >>= 32;
    }
}

BigUnsigned BigUnsigned::fromDecimalDigits(QStringView digits)
{
    BigUnsigned n;
    // Nine digits at a time: 10^9 still fits a limb.
    qsizetype i = 0;
    while (i < digits.size()) {
        const qsizetype chunk = std::min<qsizetype>(9, digits.size() - i);
        quint32 part = 0;
        quint32 scale = 1;
        for (qsizetype j = 0; j < chunk; ++j) {
            part = part * 10 + quint32(digits[i + j].unicode() - u'0');
            scale *= 10;
        }
        n.multiply(scale);
        n.add(part);
        i += chunk;
    }
    return n;
}

int BigUnsigned::bitLength() const
{
    if (m_limbs.empty())
        return 0;
    quint32 top = m_limbs.back();
    int bits = 0;
    while (top != 0) {
        ++bits;
        top >>= 1;
    }
    return int(m_limbs.size() - 1) * 32 + bits;
}

bool BigUnsigned::testBit(int bit) const
{
    if (bit < 0)
        return false;
    const size_t limb = size_t(bit) / 32;
    if (limb >= m_limbs.size())
        return false;
    return (m_limbs[limb] >> (bit % 32)) & 1u;
}

bool BigUnsigned::anyBitBelow(int bit) const
{
    if (bit <= 0)
        return false;
    const size_t fullLimbs = std::min(size_t(bit) / 32, m_limbs.size());
    for (size_t i = 0; i < fullLimbs; ++i) {
        if (m_limbs[i] != 0)
            return true;
    }
    const int rest = bit % 32;
    if (rest != 0 && fullLimbs < m_limbs.size())
        return (m_limbs[fullLimbs] & ((1u << rest) - 1u)) != 0;
    return false;
}

quint64 BigUnsigned::bitsFrom(int lowBit) const
{
    quint64 result = 0;
    for (int i = 0; i < 64; ++i) {
        if (testBit(lowBit + i))
            result |= quint64(1) << i;
    }
    return result;
}

void BigUnsigned::multiply(quint32 factor)
{
    quint64 carry = 0;
    for (quint32 &limb : m_limbs) {
        const quint64 product = quint64(limb) * factor + carry;
        limb = quint32(product);
        carry = product >> 32;
    }
    if (carry != 0)
        m_limbs.push_back(quint32(carry));
    trim();
}

void BigUnsigned::add(quint32 addend)
{
    quint64 carry = addend;
    for (size_t i = 0; carry != 0; ++i) {
        if (i == m_limbs.size())
            m_limbs.push_back(0);
        const quint64 sum = quint64(m_limbs[i]) + carry;
        m_limbs[i] = quint32(sum);
        carry = sum >> 32;
    }
}

quint32 BigUnsigned::divide(quint32 divisor)
{
    Q_ASSERT(divisor != 0);
    quint64 remainder = 0;
    for (size_t i = m_limbs.size(); i-- > 0;) {
        const quint64 current = (remainder << 32) | m_limbs[i];
        m_limbs[i] = quint32(current / divisor);
        remainder = current % divisor;
    }
    trim();
    return quint32(remainder);
}

void BigUnsigned::shiftLeft(int bits)
{
    if (isZero() || bits <= 0)
        return;
    const int limbShift = bits / 32;
    const int bitShift = bits % 32;
    if (bitShift != 0) {
        quint32 carry = 0;
        for (quint32 &limb : m_limbs) {
            const quint32 next = limb >> (32 - bitShift);
            limb = (limb << bitShift) | carry;
            carry = next;
        }
        if (carry != 0)
            m_limbs.push_back(carry);
    }
    m_limbs.insert(m_limbs.begin(), size_t(limbShift), 0u);
}

QString BigUnsigned::toDecimalDigits() const
{
    if (isZero())
        return QStringLiteral("0");
    BigUnsigned n = *this;
    QString reversed;
    while (!n.isZero()) {
        quint32 chunk = n.divide(1000000000u);
        const bool last = n.isZero();
        for (int i = 0; i < 9 && (!last || chunk != 0); ++i) {
            reversed.append(QChar(u'0' + chunk % 10));
            chunk /= 10;
        }
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

void BigUnsigned::trim()
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

} // namespace vexlor
