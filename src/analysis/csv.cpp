#include "analysis/csv.h"

#include "records/records.h"

namespace analysis {
namespace {

QString field(const QString& value) {
    const QString text = records::trimmedRight(value);
    const bool quoted = text.contains(QLatin1Char('"')) || text.contains(QLatin1Char(',')) ||
                        text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('\n')) ||
                        text.contains(QLatin1Char('\r'));
    if (!quoted) {
        return text;
    }
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

void appendLine(QString& out, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += QLatin1Char(',');
        }
        out += field(values[i]);
    }
    out += QStringLiteral("\r\n");
}

}  // namespace

QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows) {
    QString text;
    appendLine(text, header);
    for (const QStringList& row : rows) {
        appendLine(text, row);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace analysis
