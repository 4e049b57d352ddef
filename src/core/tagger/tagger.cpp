#include "core/tagger/tagger.h"

#include "core/records/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <memory>

namespace analysis {
namespace {

// Categories whose words carry no case: the tag is their class alone.
const QHash<QString, QString>& invariableTags() {
    static const QHash<QString, QString> tags = {
        {QStringLiteral("CC"), QStringLiteral("c  ")},
        {QStringLiteral("CS"), QStringLiteral("c  ")},
        {QStringLiteral("PRE"), QStringLiteral("r  ")},
        {QStringLiteral("ADV"), QStringLiteral("d  ")},
        {QStringLiteral("partic"), QStringLiteral("d  ")},
        {QStringLiteral("interj"), QStringLiteral("i  ")},
    };
    return tags;
}

// The class letter of a declined category: noun, adjective, pronoun, numeral.
QChar declinedLetter(const QString& category) {
    if (category.size() == 2 && category[0] == QLatin1Char('N')) {
        return QLatin1Char('n');
    }
    if (category.size() == 2 && category[0] == QLatin1Char('A')) {
        return QLatin1Char('a');
    }
    if (category == QLatin1String("DP")) {
        return QLatin1Char('p');
    }
    if (category == QLatin1String("num")) {
        return QLatin1Char('m');
    }
    return {};
}

bool isVerb(const QString& category) {
    return category.size() == 2 && category[0] == QLatin1Char('V');
}

QChar caseDigit(const QString& caseGenderNumber) {
    static const char* const cases[] = {"nom.", "voc.", "acc.", "gén.", "dat.", "abl."};
    for (int i = 0; i < 6; ++i) {
        if (caseGenderNumber.startsWith(QString::fromUtf8(cases[i]))) {
            return QChar(static_cast<char16_t>(u'1' + i));
        }
    }
    return {};
}

QChar numberDigit(const QString& caseGenderNumber) {
    if (caseGenderNumber.contains(QLatin1String("sg."))) {
        return QLatin1Char('1');
    }
    return caseGenderNumber.contains(QLatin1String("pl.")) ? QLatin1Char('2') : QChar();
}

// A declined word: its letter, case and number ("n31"); without number, the singular.
QString declinedTag(QChar letter, const QString& caseGenderNumber) {
    const QChar c = caseDigit(caseGenderNumber);
    if (c.isNull()) {
        return {};
    }
    const QChar n = numberDigit(caseGenderNumber);
    return QString(letter) + c + (n.isNull() ? QLatin1Char('1') : n);
}

QString verbTag(const QString& caseGenderNumber, const QString& moodTenseVoice) {
    static const char* const moods[] = {"ind.", "subj.", "imp.", "inf."};
    for (int i = 0; i < 4; ++i) {
        if (moodTenseVoice.startsWith(QString::fromLatin1(moods[i]))) {
            const bool present = moodTenseVoice.contains(QString::fromUtf8("prés."));
            return QStringLiteral("v%1%2").arg(i + 1).arg(present ? QLatin1Char('1')
                                                                  : QLatin1Char(' '));
        }
    }
    // Participles, gerunds, gerundives and supines are declined verbal forms.
    return declinedTag(QLatin1Char('w'), caseGenderNumber);
}

// A number of "count" lines, with the tag or trigram before the comma.
std::optional<double> countOf(QStringView line, QStringView* key) {
    const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
    if (comma < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const double count = line.mid(comma + 1).trimmed().toDouble(&ok);
    if (!ok || count < 0) {
        return std::nullopt;
    }
    *key = line.left(comma);
    return count;
}

// Tags are three characters wide, trailing blanks included ("c  ", "v1 ").
QString paddedTag(QStringView tag) {
    return tag.trimmed().toString().leftJustified(3, QLatin1Char(' '));
}

}  // namespace

QString tagOfAnalysis(const QString& category, const QString& caseGenderNumber,
                      const QString& moodTenseVoice) {
    const QString code = category.trimmed();
    if (const auto it = invariableTags().constFind(code); it != invariableTags().cend()) {
        return *it;
    }
    if (isVerb(code)) {
        return verbTag(caseGenderNumber.trimmed(), moodTenseVoice.trimmed());
    }
    const QChar letter = declinedLetter(code);
    if (letter.isNull()) {
        return {};
    }
    const QString declined = declinedTag(letter, caseGenderNumber.trimmed());
    // An indeclinable word counts under its class alone.
    return declined.isEmpty() ? QString(letter) + QStringLiteral("8 ") : declined;
}

std::optional<TagModel> TagModel::parse(QStringView text) {
    TagModel model;
    QHash<QString, int>& index = model.indexOfTag_;
    auto indexOfTag = [&](QStringView tag) {
        const QString padded = paddedTag(tag);
        auto it = index.find(padded);
        if (it == index.end()) {
            it = index.insert(padded, static_cast<int>(model.tags_.size()));
            model.tags_.push_back(padded);
        }
        return *it;
    };
    std::vector<double> unigrams;
    struct Trigram {
        int t1, t2, t3;
        double count;
    };
    std::vector<Trigram> trigrams;
    bool inTrigrams = false;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('!'))) {
            inTrigrams = inTrigrams || line.contains(QLatin1String("Trigrammes"));
            continue;
        }
        QStringView key;
        const std::optional<double> count = countOf(line, &key);
        if (!count) {
            continue;
        }
        if (!inTrigrams) {
            const int t = indexOfTag(key);
            unigrams.resize(model.tags_.size(), 0);
            unigrams[static_cast<std::size_t>(t)] += *count;
        } else if (key.size() >= 11) {
            trigrams.push_back({indexOfTag(key.mid(0, 3)), indexOfTag(key.mid(4, 3)),
                                indexOfTag(key.mid(8, 3)), *count});
        }
    }
    if (trigrams.empty()) {
        return std::nullopt;
    }
    // The sentence tag is always known, as the context of a sentence's first word.
    indexOfTag(kSentenceTag);
    const std::size_t n = model.tags_.size();
    unigrams.resize(n, 0);
    std::vector<double> counts(n * n * n, 0);
    for (const Trigram& t : trigrams) {
        counts[(static_cast<std::size_t>(t.t1) * n + static_cast<std::size_t>(t.t2)) * n +
               static_cast<std::size_t>(t.t3)] += t.count;
    }
    model.smooth(unigrams, counts);
    return model;
}

std::optional<TagModel> TagModel::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::optional<TagModel> model = parse(QString::fromUtf8(file.readAll()));
    if (model) {
        const QString forms = QFileInfo(path).dir().filePath(QStringLiteral("formes.la"));
        if (std::optional<FormCounts> counts = FormCounts::load(forms)) {
            model->setFormCounts(std::move(*counts));
        }
    }
    return model;
}

void TagModel::setFormCounts(FormCounts counts) {
    formCounts_ = std::make_shared<const FormCounts>(std::move(counts));
}

// Deleted interpolation: each trigram's count votes, with itself left out, for the order whose
// estimate is best; the votes give the weights of the three orders.
void TagModel::smooth(const std::vector<double>& unigrams, const std::vector<double>& trigrams) {
    const std::size_t n = tags_.size();
    auto at = [n](std::size_t a, std::size_t b, std::size_t c) { return (a * n + b) * n + c; };
    std::vector<double> pairs(n * n, 0);   // c(t1 t2), the context of a trigram
    std::vector<double> bigram(n * n, 0);  // c(t2 t3)
    std::vector<double> middle(n, 0);      // c(t2) as a context
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            for (std::size_t c = 0; c < n; ++c) {
                const double count = trigrams[at(a, b, c)];
                pairs[a * n + b] += count;
                bigram[b * n + c] += count;
                middle[b] += count;
            }
        }
    }
    double total = 0;
    for (const double u : unigrams) {
        total += u;
    }
    double votes[3] = {0, 0, 0};
    auto ratio = [](double num, double den) { return den > 0 ? num / den : 0.0; };
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            for (std::size_t c = 0; c < n; ++c) {
                const double count = trigrams[at(a, b, c)];
                if (count <= 0) {
                    continue;
                }
                const double estimates[3] = {ratio(unigrams[c] - 1, total - 1),
                                             ratio(bigram[b * n + c] - 1, middle[b] - 1),
                                             ratio(count - 1, pairs[a * n + b] - 1)};
                votes[std::max_element(estimates, estimates + 3) - estimates] += count;
            }
        }
    }
    const double allVotes = votes[0] + votes[1] + votes[2];
    for (int i = 0; i < 3; ++i) {
        lambdas_[i] = allVotes > 0 ? votes[i] / allVotes : 1.0 / 3;
    }
    // A tag never counted still gets half a count: rare, never impossible.
    unigram_.resize(n);
    double smoothedTotal = 0;
    for (std::size_t t = 0; t < n; ++t) {
        smoothedTotal += std::max(unigrams[t], 0.5);
    }
    for (std::size_t t = 0; t < n; ++t) {
        unigram_[t] = std::max(unigrams[t], 0.5) / smoothedTotal;
    }
    const auto boundary = static_cast<std::size_t>(indexOf(kSentenceTag));
    const double bigramShare =
        middle[boundary] > 0 ? lambdas_[1] / std::max(lambdas_[0] + lambdas_[1], 1e-9) : 0;
    afterBoundary_.resize(n);
    for (std::size_t c = 0; c < n; ++c) {
        afterBoundary_[c] = (1 - bigramShare) * unigram_[c] +
                            bigramShare * ratio(bigram[boundary * n + c], middle[boundary]);
    }
    transition_.resize(n * n * n);
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            // An order whose context was never seen leaves its weight to the orders below.
            const double tri = pairs[a * n + b] > 0 ? lambdas_[2] : 0;
            const double bi = middle[b] > 0 ? lambdas_[1] + lambdas_[2] - tri : 0;
            const double uni = 1 - tri - bi;
            for (std::size_t c = 0; c < n; ++c) {
                const double p = uni * unigram_[c] + bi * ratio(bigram[b * n + c], middle[b]) +
                                 tri * ratio(trigrams[at(a, b, c)], pairs[a * n + b]);
                transition_[at(a, b, c)] = static_cast<float>(p);
            }
        }
    }
}

double TagModel::transition(int t1, int t2, int t3) const {
    const auto n = static_cast<std::size_t>(tags_.size());
    if (t1 < 0 || t2 < 0 || t3 < 0) {
        return t3 < 0 ? 0.5 / static_cast<double>(n * n) : unigram(t3);
    }
    return transition_[(static_cast<std::size_t>(t1) * n + static_cast<std::size_t>(t2)) * n +
                       static_cast<std::size_t>(t3)];
}

double TagModel::afterBoundary(int tag) const {
    return tag < 0 ? unigram(tag) : afterBoundary_[static_cast<std::size_t>(tag)];
}

double TagModel::unigram(int tag) const {
    return tag < 0 ? 0.5 / static_cast<double>(tags_.size())
                   : unigram_[static_cast<std::size_t>(tag)];
}

int TagModel::indexOf(const QString& tag) const {
    // Tags come padded from the mapping; only a hand-written one needs padding.
    const auto it = indexOfTag_.constFind(tag.size() == 3 ? tag : paddedTag(tag));
    return it == indexOfTag_.cend() ? -1 : *it;
}

namespace {

// One word of the sentence as the model sees it: its distinct tags, the weight each takes from
// its candidates, and which tag each candidate has.
struct Position {
    std::vector<int> tags;
    std::vector<double> emission;
    std::vector<int> tagOfCandidate;
};

std::vector<Position> positionsOf(const TagModel& model,
                                  const std::vector<std::vector<TaggedCandidate>>& sentence) {
    std::vector<Position> positions;
    for (const std::vector<TaggedCandidate>& word : sentence) {
        if (word.empty()) {
            continue;
        }
        Position p;
        for (const TaggedCandidate& c : word) {
            const int tag = model.indexOf(c.tag);
            auto it = std::find(p.tags.begin(), p.tags.end(), tag);
            if (it == p.tags.end()) {
                p.tags.push_back(tag);
                p.emission.push_back(0);
                it = p.tags.end() - 1;
            }
            const auto k = static_cast<std::size_t>(it - p.tags.begin());
            // What the word says of the analysis, over how often its tag occurs at all: the
            // emission of a hidden Markov model, up to a factor common to the word.
            p.emission[k] += std::max(c.weight, 1e-9) / model.unigram(tag);
            p.tagOfCandidate.push_back(static_cast<int>(k));
        }
        positions.push_back(std::move(p));
    }
    return positions;
}

// Forward-backward over pairs of tags (the tag before and the tag of each word): the
// probability of each tag of each word given the whole sentence.
std::vector<std::vector<double>> tagProbabilities(const TagModel& model,
                                                  const std::vector<Position>& words) {
    const int boundary = model.indexOf(kSentenceTag);
    const Position edge{{boundary}, {1.0}, {}};
    const auto wordAt = [&](qsizetype i) -> const Position& {
        return i < 0 ? edge : words[static_cast<std::size_t>(i)];
    };
    const qsizetype n = static_cast<qsizetype>(words.size());
    // alpha[i][u * |T_i| + v]: u a tag of word i - 1, v a tag of word i.
    std::vector<std::vector<double>> alpha(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const Position& prev2 = wordAt(i - 2);
        const Position& prev = wordAt(i - 1);
        const Position& here = wordAt(i);
        std::vector<double>& a = alpha[static_cast<std::size_t>(i)];
        a.assign(prev.tags.size() * here.tags.size(), 0);
        double sum = 0;
        for (std::size_t u = 0; u < prev.tags.size(); ++u) {
            for (std::size_t v = 0; v < here.tags.size(); ++v) {
                double into = 0;
                for (std::size_t w = 0; w < prev2.tags.size(); ++w) {
                    const double before =
                        i == 0 ? 1.0
                               : alpha[static_cast<std::size_t>(i - 1)][w * prev.tags.size() + u];
                    into += before *
                            (i == 0 ? model.afterBoundary(here.tags[v])
                                    : model.transition(prev2.tags[w], prev.tags[u], here.tags[v]));
                }
                a[u * here.tags.size() + v] = into * here.emission[v];
                sum += a[u * here.tags.size() + v];
            }
        }
        for (double& x : a) {
            x /= sum > 0 ? sum : 1;
        }
    }
    std::vector<std::vector<double>> beta(static_cast<std::size_t>(n));
    for (qsizetype i = n - 1; i >= 0; --i) {
        const Position& prev = wordAt(i - 1);
        const Position& here = wordAt(i);
        std::vector<double>& b = beta[static_cast<std::size_t>(i)];
        b.assign(prev.tags.size() * here.tags.size(), 0);
        double sum = 0;
        for (std::size_t u = 0; u < prev.tags.size(); ++u) {
            for (std::size_t v = 0; v < here.tags.size(); ++v) {
                double out = 0;
                if (i == n - 1) {
                    out = model.transition(prev.tags[u], here.tags[v], boundary);
                } else {
                    const Position& next = wordAt(i + 1);
                    for (std::size_t x = 0; x < next.tags.size(); ++x) {
                        out += model.transition(prev.tags[u], here.tags[v], next.tags[x]) *
                               next.emission[x] *
                               beta[static_cast<std::size_t>(i + 1)][v * next.tags.size() + x];
                    }
                }
                b[u * here.tags.size() + v] = out;
                sum += out;
            }
        }
        for (double& x : b) {
            x /= sum > 0 ? sum : 1;
        }
    }
    std::vector<std::vector<double>> probabilities(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const Position& prev = wordAt(i - 1);
        const Position& here = wordAt(i);
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        p.assign(here.tags.size(), 0);
        double sum = 0;
        for (std::size_t u = 0; u < prev.tags.size(); ++u) {
            for (std::size_t v = 0; v < here.tags.size(); ++v) {
                const std::size_t k = u * here.tags.size() + v;
                p[v] +=
                    alpha[static_cast<std::size_t>(i)][k] * beta[static_cast<std::size_t>(i)][k];
            }
        }
        for (const double x : p) {
            sum += x;
        }
        for (double& x : p) {
            x = sum > 0 ? x / sum : 1.0 / static_cast<double>(p.size());
        }
    }
    return probabilities;
}

}  // namespace

std::vector<std::vector<double>> candidateProbabilities(
    const TagModel& model, const std::vector<std::vector<TaggedCandidate>>& sentence) {
    const std::vector<Position> positions = positionsOf(model, sentence);
    const std::vector<std::vector<double>> tags = tagProbabilities(model, positions);
    std::vector<std::vector<double>> out(sentence.size());
    std::size_t p = 0;
    for (std::size_t w = 0; w < sentence.size(); ++w) {
        if (sentence[w].empty()) {
            continue;
        }
        const Position& position = positions[p];
        for (std::size_t c = 0; c < sentence[w].size(); ++c) {
            const int k = position.tagOfCandidate[c];
            const int tag = position.tags[static_cast<std::size_t>(k)];
            // A tag's probability is shared among its candidates as their emissions share it.
            const double own = std::max(sentence[w][c].weight, 1e-9) / model.unigram(tag);
            out[w].push_back(tags[p][static_cast<std::size_t>(k)] * own /
                             position.emission[static_cast<std::size_t>(k)]);
        }
        ++p;
    }
    return out;
}

namespace {

struct InstalledModel {
    QString chosenPath;
    bool read = false;
    std::unique_ptr<TagModel> model;
};

InstalledModel& installedModel() {
    static InstalledModel state;
    return state;
}

QString shippedTagsPath() {
    for (const QString& dir : records::paths::shippedDataDirs()) {
        const QString candidate = QDir(dir).filePath(QStringLiteral("tags.la"));
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

const TagModel* installedTagModel() {
    InstalledModel& state = installedModel();
    if (!state.read) {
        state.read = true;
        const QString path = state.chosenPath.isEmpty() ? shippedTagsPath() : state.chosenPath;
        // No statistics installed: ranked without context, and no file opened by an empty name.
        if (std::optional<TagModel> model = path.isEmpty() ? std::nullopt : TagModel::load(path)) {
            state.model = std::make_unique<TagModel>(std::move(*model));
        }
    }
    return state.model.get();
}

void useTagModel(const QString& path) {
    InstalledModel& state = installedModel();
    state = InstalledModel{};
    state.chosenPath = path;
}

}  // namespace analysis
