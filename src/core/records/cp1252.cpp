#include "core/records/cp1252.h"

#include <array>

namespace records::cp1252 {
namespace {

// Bytes 0x80-0x9F. The five bytes Windows-1252 leaves undefined keep their C1 code points,
// so that any byte survives a read and a write unchanged.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        return QChar(kHighTable[b - 0x80]);
    }
    return QChar(b);
}

}  // namespace

QString decode(const char* bytes, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

char encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<char>(u);
    }
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == u) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

QByteArray encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes[i] = encodeChar(text[i]);
    }
    return bytes;
}

QChar toLower(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
        return QChar(static_cast<char16_t>(u + 0x20));
    }
    return c;
}

QString toLower(const QString& text) {
    QString lower = text;
    for (QChar& c : lower) {
        c = toLower(c);
    }
    return lower;
}

}  // namespace records::cp1252
