#include "core/records/tsv.h"

namespace records::tsv {

std::vector<Line> parse(const QString& text, int fieldCount, const QString& source,
                        QStringList* problems) {
    std::vector<Line> lines;
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QString row = rows[i];
        if (row.endsWith(QLatin1Char('\r'))) {
            row.chop(1);
        }
        if (row.trimmed().isEmpty() || row.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = row.split(QLatin1Char('\t'));
        const int number = static_cast<int>(i) + 1;
        if (fields.size() != fieldCount) {
            problems->append(QStringLiteral("%1:%2: %3 fields instead of %4")
                                 .arg(source)
                                 .arg(number)
                                 .arg(fields.size())
                                 .arg(fieldCount));
            continue;
        }
        lines.push_back({number, fields});
    }
    return lines;
}

ThesaurusRecord thesaurusRecord(const QStringList& f, qint16 number) {
    ThesaurusRecord r;
    r.setNumber(number);
    r.setAnalysis(f[0], f[1], f[2], f[3], f[4], f[5]);
    return r;
}

LexiconRecord lexiconRecord(const QStringList& f, qint16 number) {
    LexiconRecord r;
    r.setNumber(number);
    r.setLemma(f[0]);
    r.setCategory(f[1]);
    r.setTranslation(f[2]);
    r.setFrenchFamily(f[3]);
    r.setLatinFamily(f[4]);
    return r;
}

}  // namespace records::tsv
