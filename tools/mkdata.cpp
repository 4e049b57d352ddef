// Builds the shipped base thesaurus and lexicon from their readable tab-separated sources.
//   mkdata thesaurus SOURCE.tsv donnees.dat
//   mkdata lexicon SOURCE.tsv lexique.dat
// Source lines: UTF-8, one record a line, fields separated by tabs; '#' starts a comment line.
// The thesaurus is sorted by lower-cased form (records of one form kept together, in source
// order), the lexicon by lower-cased lemma; record numbers equal positions.

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"
#include "core/records/records.h"
#include "core/records/tsv.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void complain(const QString& message) {
    std::fprintf(stderr, "mkdata: %s\n", qPrintable(message));
}

using records::tsv::Line;

bool readLines(const QString& path, int fieldCount, std::vector<Line>& lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    QStringList problems;
    lines = records::tsv::parse(QString::fromUtf8(file.readAll()), fieldCount, path, &problems);
    for (const QString& problem : problems) {
        complain(problem);
    }
    return problems.isEmpty();
}

// Every value must fit its field and the code page: the build refuses data it would spoil.
bool checkWidths(const QString& path, const std::vector<Line>& lines,
                 const std::vector<int>& widths) {
    bool ok = true;
    for (const Line& line : lines) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const QString& value = line.fields[static_cast<int>(i)];
            const QByteArray encoded = records::cp1252::encode(value);
            if (encoded.contains('?') && !value.contains(QLatin1Char('?'))) {
                complain(QStringLiteral("%1:%2: \"%3\" is not Windows-1252 text")
                             .arg(path)
                             .arg(line.number)
                             .arg(value));
                ok = false;
            }
            if (value.size() > widths[i]) {
                complain(QStringLiteral("%1:%2: \"%3\" is wider than %4")
                             .arg(path)
                             .arg(line.number)
                             .arg(value)
                             .arg(widths[i]));
                ok = false;
            }
        }
    }
    return ok;
}

void sortByLowerCasedKey(std::vector<Line>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return records::cp1252::toLower(a.fields[0]) < records::cp1252::toLower(b.fields[0]);
    });
}

template <class R>
bool writeRecords(const QString& path, std::vector<R> recs) {
    if (!records::numberByPosition(recs)) {
        complain(QStringLiteral("%1 records: more than a 16-bit record number can hold")
                     .arg(recs.size()));
        return false;
    }
    QByteArray bytes;
    for (const R& r : recs) {
        bytes.append(r.toBytes());
    }
    if (const records::Outcome<void> written = records::replaceFile(path, bytes); !written.ok()) {
        complain(written.error());
        return false;
    }
    return true;
}

template <class R, class Make>
int build(const QString& source, const QString& target, const std::vector<int>& widths, Make make) {
    std::vector<Line> lines;
    const bool read = readLines(source, static_cast<int>(widths.size()), lines);
    if (!read || !checkWidths(source, lines, widths)) {
        return 1;
    }
    sortByLowerCasedKey(lines);
    std::vector<R> recs;
    recs.reserve(lines.size());
    for (const Line& line : lines) {
        recs.push_back(make(line.fields, 0));
    }
    return writeRecords(target, recs) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        complain(QStringLiteral("usage: mkdata thesaurus|lexicon SOURCE.tsv TARGET.dat"));
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString source = QString::fromLocal8Bit(argv[2]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    if (kind == QLatin1String("thesaurus")) {
        return build<records::ThesaurusRecord>(source, target, {30, 7, 50, 15, 22, 80},
                                               records::tsv::thesaurusRecord);
    }
    if (kind == QLatin1String("lexicon")) {
        return build<records::LexiconRecord>(source, target, {70, 6, 100, 70, 70},
                                             records::tsv::lexiconRecord);
    }
    complain(QStringLiteral("unknown kind %1").arg(kind));
    return 2;
}
