#include "core/tagger/formcounts.h"

#include "core/morphology/normalise.h"

#include <QFile>
#include <QStringTokenizer>

#include <algorithm>
#include <utility>

namespace analysis {
namespace {

// Lexemes that the lexical data and the annotated texts cite under different forms: the
// reflexive pronoun ("se" / "sui"), the camp ("castra", plural only in the data / "castrum"),
// the personal pronouns of the plural under those of the singular, short and long forms of a
// conjunction, an old form of a noun.
const QHash<QString, QString>& citationForms() {
    static const QHash<QString, QString> forms = [] {
        const std::pair<const char*, const char*> pairs[] = {
            {"se", "sui"},    {"castra", "castrum"}, {"nos", "ego"}, {"vos", "tu"},
            {"nec", "neque"}, {"ac", "atque"},       {"uti", "ut"},  {"sanguen", "sanguis"}};
        QHash<QString, QString> folded;
        for (const auto& [variant, cited] : pairs) {
            folded.insert(foldedForm(QString::fromLatin1(variant)),
                          foldedForm(QString::fromLatin1(cited)));
        }
        return folded;
    }();
    return forms;
}

// The compared features, in the order of CountedFeatures::values.
constexpr QLatin1StringView kFeatureNames[] = {
    QLatin1StringView("Case"),   QLatin1StringView("Gender"), QLatin1StringView("Number"),
    QLatin1StringView("Person"), QLatin1StringView("Mood"),   QLatin1StringView("Tense"),
    QLatin1StringView("Aspect"), QLatin1StringView("Voice"),  QLatin1StringView("VerbForm")};

// A feature's value by its first two letters, which tell the values of one feature apart (Pqp /
// Past / Pres, Imp / Ind, Gdv / Ger).
quint16 valueCode(QStringView value) {
    const auto letter = [&](qsizetype i) {
        return i < value.size() ? static_cast<quint16>(value[i].unicode() & 0xff) : quint16{0};
    };
    return static_cast<quint16>(letter(0) << 8 | letter(1));
}

// The enclitics a written word may end with; the annotated texts count its host apart.
const QLatin1StringView kEnclitics[] = {QLatin1StringView("que"), QLatin1StringView("ne"),
                                        QLatin1StringView("ve")};

}  // namespace

QString comparableLemma(const QString& lemma) {
    QStringView plain = QStringView(lemma).trimmed();
    while (plain.startsWith(u'-')) {
        plain = plain.mid(1);
    }
    while (!plain.isEmpty() && plain.back().isDigit()) {
        plain.chop(1);
    }
    if (plain.endsWith(u'#')) {
        plain.chop(1);
    }
    const QString folded = foldedForm(plain);
    const QString comparable = folded.isEmpty() ? plain.toString().toLower() : folded;
    return citationForms().value(comparable, comparable);
}

QString countedLemma(const QString& lemma) {
    const QString comparable = comparableLemma(lemma);
    const QStringView plain = QStringView(lemma).trimmed();
    return !plain.isEmpty() && plain.front().isUpper() ? QLatin1Char('^') + comparable : comparable;
}

CountedFeatures CountedFeatures::parse(QStringView feats) {
    CountedFeatures f;
    for (const QStringView pair : QStringTokenizer{feats, u'|', Qt::SkipEmptyParts}) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        const QStringView name = pair.left(equals);
        for (std::size_t i = 0; i < std::size(kFeatureNames); ++i) {
            if (name == kFeatureNames[i]) {
                f.values[i] = valueCode(pair.mid(equals + 1));
            }
        }
    }
    return f;
}

bool CountedFeatures::fits(const CountedFeatures& other) const {
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (values[i] != 0 && other.values[i] != 0 && values[i] != other.values[i]) {
            return false;
        }
    }
    return true;
}

// Case, mood and verb form, in the order of kFeatureNames: what tells kinds of words apart.
constexpr std::size_t kKindFeatures[] = {0, 4, 8};

bool CountedFeatures::annotates(const CountedFeatures& analysis) const {
    for (const std::size_t i : kKindFeatures) {
        if (analysis.values[i] != 0 && values[i] == 0) {
            return false;
        }
    }
    return fits(analysis);
}

bool CountedFeatures::invariable() const {
    return std::all_of(std::begin(kKindFeatures), std::end(kKindFeatures),
                       [&](std::size_t i) { return values[i] == 0; });
}

bool CountedFeatures::sameKind(const CountedFeatures& other) const {
    for (const std::size_t i : kKindFeatures) {
        if ((values[i] != 0) != (other.values[i] != 0)) {
            return false;
        }
    }
    return true;
}

void FormCounts::countEnding(const QString& form, const CountedFeatures& features, int count) {
    std::vector<Annotation>& seen = byEnding_[form.right(kEndingLength)];
    const auto same = std::find_if(seen.begin(), seen.end(), [&](const Annotation& a) {
        return std::equal(std::begin(a.features.values), std::end(a.features.values),
                          std::begin(features.values));
    });
    if (same != seen.end()) {
        same->count += count;
    } else {
        seen.push_back({QString(), features, count});
    }
}

std::optional<FormCounts> FormCounts::parse(QStringView text) {
    FormCounts counts;
    for (QStringView line : QStringTokenizer{text, u'\n', Qt::SkipEmptyParts}) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.startsWith(u'!')) {
            continue;
        }
        const QList<QStringView> fields = line.split(u'\t');
        bool isNumber = false;
        const int count = fields.size() == 4 ? fields[3].toInt(&isNumber) : 0;
        const QString form = fields.size() == 4 ? foldedForm(fields[0]) : QString();
        if (!isNumber || count <= 0 || form.isEmpty()) {
            continue;
        }
        const CountedFeatures features = CountedFeatures::parse(fields[2]);
        counts.byForm_[form].push_back({countedLemma(fields[1].toString()), features, count});
        counts.countEnding(form, features, count);
    }
    if (counts.byForm_.isEmpty()) {
        return std::nullopt;
    }
    return counts;
}

std::optional<FormCounts> FormCounts::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

const std::vector<FormCounts::Annotation>& FormCounts::of(const QString& form) const {
    static const std::vector<Annotation> none;
    const QString folded = foldedForm(form);
    if (const auto it = byForm_.constFind(folded); it != byForm_.cend()) {
        return *it;
    }
    for (const QLatin1StringView enclitic : kEnclitics) {
        if (folded.size() > enclitic.size() + 1 && folded.endsWith(enclitic)) {
            const auto host = byForm_.constFind(folded.chopped(enclitic.size()));
            if (host != byForm_.cend()) {
                return *host;
            }
        }
    }
    return none;
}

int FormCounts::count(const std::vector<Annotation>& annotations, const QString& lemma,
                      const CountedFeatures& features, bool invariableRival) {
    int n = 0;
    for (const Annotation& a : annotations) {
        const bool same =
            invariableRival ? a.features.annotates(features) : a.features.fits(features);
        if (a.lemma == lemma && same) {
            n += a.count;
        }
    }
    return n;
}

int FormCounts::count(const QString& form, const QString& lemma,
                      const CountedFeatures& features) const {
    return count(of(form), countedLemma(lemma), features);
}

int FormCounts::total(const QString& form) const {
    int n = 0;
    for (const Annotation& a : of(form)) {
        n += a.count;
    }
    return n;
}

int FormCounts::endingCount(const QString& form, const CountedFeatures& features) const {
    QString folded = foldedForm(form);
    // The texts count "-que" apart from its host, whose ending is the one that says something.
    if (folded.size() > kEndingLength + 3 && folded.endsWith(QLatin1StringView("que"))) {
        folded.chop(3);
    }
    const auto seen = byEnding_.constFind(folded.right(kEndingLength));
    int n = 0;
    if (seen != byEnding_.cend()) {
        for (const Annotation& a : *seen) {
            if (a.features.sameKind(features) && a.features.fits(features)) {
                n += a.count;
            }
        }
    }
    return n;
}

}  // namespace analysis
