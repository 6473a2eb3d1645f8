#pragma once

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cstring>

// Field types of on-disk records: byte-aligned so that a record has no padding, integers
// stored little-endian whatever the host is.
template <typename T>
class LittleEndianField
{
public:
    T value() const { return qFromLittleEndian<T>(m_bytes); }
    void setValue(T value) { qToLittleEndian<T>(value, m_bytes); }
    operator T() const { return value(); }
    LittleEndianField& operator=(T v)
    {
        setValue(v);
        return *this;
    }

private:
    unsigned char m_bytes[sizeof(T)] = {};
};

using LittleEndianInt32 = LittleEndianField<qint32>;
using LittleEndianUInt32 = LittleEndianField<quint32>;

// A length byte followed by Capacity characters; longer values are cut.
template <int Capacity>
class ShortText
{
public:
    QByteArray value() const
    {
        const int length = std::min<int>(m_length, Capacity);
        return QByteArray(m_chars, length);
    }
    // False for a length byte beyond the field, which only a damaged file can hold.
    bool lengthFits() const { return m_length <= Capacity; }
    void setValue(QByteArrayView text)
    {
        const int length = std::min<int>(text.size(), Capacity);
        m_length = static_cast<unsigned char>(length);
        std::memset(m_chars, 0, Capacity);
        std::memcpy(m_chars, text.constData(), length);
    }

private:
    unsigned char m_length = 0;
    char m_chars[Capacity] = {};
};
