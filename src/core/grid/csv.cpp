#include "core/grid/csv.h"

#include "core/records/records.h"

#include <QRegularExpression>

namespace analysis {
namespace {

// A plain number such as "-3" or "-2,5", which a spreadsheet shows as a number, not a formula.
bool isPlainNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+([.,][0-9]+)?$"));
    return number.match(text).hasMatch();
}

// A cell that a spreadsheet would run as a formula is written as text: a leading apostrophe.
// A lone "-" and plain numbers stay as they are.
QString neutralised(const QString& text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !formulaStarts.contains(text.front()) || text == QStringLiteral("-") ||
        isPlainNumber(text)) {
        return text;
    }
    return QLatin1Char('\'') + text;
}

QString field(const QString& value) {
    const QString text = neutralised(records::trimmedRight(value));
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

QByteArray csvLine(const QStringList& values) {
    QString text;
    appendLine(text, values);
    return text.toUtf8();
}

QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows) {
    QString text;
    appendLine(text, header);
    for (const QStringList& row : rows) {
        appendLine(text, row);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace analysis
