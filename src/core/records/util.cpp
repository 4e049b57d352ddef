#include "core/records/records.h"

#include "core/records/cp1252.h"

namespace records {

QString trimmedRight(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return s.left(end);
}

QString trimmedLeft(const QString& s) {
    qsizetype start = 0;
    while (start < s.size() && s[start] == QLatin1Char(' ')) {
        ++start;
    }
    return s.mid(start);
}

QString quoted(const QString& text) {
    return QStringLiteral("« %1 »").arg(text);
}

QString byteCount(qint64 bytes) {
    return bytes <= 1 ? QStringLiteral("%1 octet").arg(bytes)
                      : QStringLiteral("%1 octets").arg(bytes);
}

bool isCut(const QString& value, int width) {
    return value.size() > width;
}

bool hasUnencodable(const QString& value) {
    for (const QChar c : value) {
        if (cp1252::encodeChar(c) == '?' && c != QLatin1Char('?')) {
            return true;
        }
    }
    return false;
}

}  // namespace records
