#include "latindata/lemmas.h"

#include "latindata/models.h"
#include "latindata/spelling.h"

#include <QSet>

namespace latindata {
namespace {

// Lines of a data file without comments and blank lines, with their line numbers.
template <class Visit>
void forEachDataLine(QStringView text, Visit visit) {
    int number = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('!'))) {
            visit(line, number);
        }
    }
}

std::optional<QStringList> stemField(QStringView field) {
    if (field.isEmpty()) {
        return std::nullopt;
    }
    if (field == u"-") {
        return QStringList();
    }
    QStringList stems;
    for (QStringView stem : field.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        stems.append(stem.trimmed().toString());
    }
    return stems;
}

}  // namespace

QString Lemma::matchingKey() const {
    return latindata::matchingKey(key);
}

QString Lemma::displayed() const {
    return schoolSpelling(canonicals.value(0));
}

std::vector<Lemma> parseLemmas(QStringView text, QStringList* problems, const QString& fileName) {
    std::vector<Lemma> lemmas;
    forEachDataLine(text, [&](QStringView line, int number) {
        const QList<QStringView> fields = line.split(QLatin1Char('|'));
        if (fields.size() < 6 || fields[1].isEmpty()) {
            problems->append(QStringLiteral("%1:%2: not a lemma line").arg(fileName).arg(number));
            return;
        }
        Lemma lemma;
        const qsizetype eq = fields[0].indexOf(QLatin1Char('='));
        lemma.key = fields[0].left(eq).toString();
        if (eq < 0) {
            lemma.canonicals = {withoutHomonymNumber(lemma.key)};
        } else {
            for (QStringView form : fields[0].mid(eq + 1).split(QLatin1Char(','))) {
                if (!form.isEmpty()) {
                    lemma.canonicals.append(form.toString());
                }
            }
        }
        lemma.model = fields[1].toString();
        lemma.stem1 = stemField(fields[2]);
        lemma.stem2 = stemField(fields[3]);
        lemma.indications = fields[4].trimmed().toString();
        lemma.frequency = fields[5].trimmed().toInt();
        lemmas.push_back(std::move(lemma));
    });
    return lemmas;
}

void addExtendedLemmas(std::vector<Lemma>& lemmas, QStringView text, QStringList* problems) {
    QSet<QString> known;
    for (const Lemma& lemma : lemmas) {
        known.insert(lemma.matchingKey());
    }
    for (Lemma& lemma : parseLemmas(text, problems, QStringLiteral("lem_ext.la"))) {
        if (!known.contains(lemma.matchingKey())) {
            known.insert(lemma.matchingKey());
            lemma.frequency = 0;
            lemma.extended = true;
            lemmas.push_back(std::move(lemma));
        }
    }
}

QHash<QString, QString> parseTranslations(QStringView text) {
    QHash<QString, QString> translations;
    forEachDataLine(text, [&](QStringView line, int) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            // The data's own doubt marks are not for a school translation.
            QString translation = line.mid(colon + 1).toString();
            translation.remove(QStringLiteral(" [?]"));
            translations.insert(matchingKey(line.left(colon)), translation);
        }
    });
    return translations;
}

std::vector<IrregularForm> parseIrregulars(QStringView text, QStringList* problems) {
    std::vector<IrregularForm> forms;
    forEachDataLine(text, [&](QStringView line, int number) {
        const QList<QStringView> fields = line.split(QLatin1Char(':'));
        bool ok = false;
        const std::vector<int> cells =
            fields.size() == 3 ? parseCellList(fields[2], &ok) : std::vector<int>{};
        if (!ok) {
            problems->append(QStringLiteral("irregs.la:%1: not an irregular form").arg(number));
            return;
        }
        IrregularForm form;
        form.exclusive = fields[0].endsWith(QLatin1Char('*'));
        form.form = fields[0].left(fields[0].size() - (form.exclusive ? 1 : 0)).toString();
        form.lemmaKey = matchingKey(fields[1]);
        form.cells = cells;
        forms.push_back(std::move(form));
    });
    return forms;
}

}  // namespace latindata
