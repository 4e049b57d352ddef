#include "records/records.h"

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

}  // namespace records
