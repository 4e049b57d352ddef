#pragma once

#include "core/records/cp1252.h"

#include <algorithm>
#include <cstring>

namespace records {

template <int L>
bool FixedRecord<L>::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < L) {
        return false;
    }
    std::memcpy(bytes_.data(), bytes.constData(), L);
    return true;
}

template <int L>
QString FixedRecord<L>::text(Field field) const {
    return cp1252::decode(bytes_.data() + field.offset, field.width);
}

template <int L>
void FixedRecord<L>::setText(Field field, const QString& value) {
    const QByteArray encoded = cp1252::encode(value.left(field.width));
    std::fill_n(bytes_.data() + field.offset, field.width, ' ');
    std::memcpy(bytes_.data() + field.offset, encoded.constData(), encoded.size());
}

template <int L>
qint16 FixedRecord<L>::int16(int offset) const {
    const auto lo = static_cast<unsigned char>(bytes_[offset]);
    const auto hi = static_cast<unsigned char>(bytes_[offset + 1]);
    return static_cast<qint16>(static_cast<quint16>(lo | (hi << 8)));
}

template <int L>
void FixedRecord<L>::setInt16(int offset, qint16 value) {
    const auto u = static_cast<quint16>(value);
    bytes_[offset] = static_cast<char>(u & 0xFF);
    bytes_[offset + 1] = static_cast<char>(u >> 8);
}

}  // namespace records
