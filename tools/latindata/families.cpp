#include "latindata/families.h"

#include "latindata/spelling.h"

#include <QMultiHash>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace latindata {
namespace {

// Stems shorter than this match too many words to be trusted.
constexpr qsizetype kShortestStem = 4;

const QStringList kVerbPrefixes = {
    QStringLiteral("a"),     QStringLiteral("ab"),      QStringLiteral("abs"),
    QStringLiteral("ac"),    QStringLiteral("ad"),      QStringLiteral("af"),
    QStringLiteral("ag"),    QStringLiteral("al"),      QStringLiteral("an"),
    QStringLiteral("ap"),    QStringLiteral("ar"),      QStringLiteral("as"),
    QStringLiteral("at"),    QStringLiteral("ante"),    QStringLiteral("circum"),
    QStringLiteral("co"),    QStringLiteral("col"),     QStringLiteral("com"),
    QStringLiteral("con"),   QStringLiteral("cor"),     QStringLiteral("de"),
    QStringLiteral("di"),    QStringLiteral("dif"),     QStringLiteral("dis"),
    QStringLiteral("e"),     QStringLiteral("ef"),      QStringLiteral("ex"),
    QStringLiteral("in"),    QStringLiteral("il"),      QStringLiteral("im"),
    QStringLiteral("ir"),    QStringLiteral("inter"),   QStringLiteral("intro"),
    QStringLiteral("ob"),    QStringLiteral("oc"),      QStringLiteral("of"),
    QStringLiteral("op"),    QStringLiteral("per"),     QStringLiteral("post"),
    QStringLiteral("prae"),  QStringLiteral("praeter"), QStringLiteral("pro"),
    QStringLiteral("prod"),  QStringLiteral("re"),      QStringLiteral("red"),
    QStringLiteral("se"),    QStringLiteral("sub"),     QStringLiteral("suc"),
    QStringLiteral("suf"),   QStringLiteral("sug"),     QStringLiteral("sum"),
    QStringLiteral("sup"),   QStringLiteral("sur"),     QStringLiteral("sus"),
    QStringLiteral("super"), QStringLiteral("trans"),   QStringLiteral("tra"),
};

// Suffixes of nouns and adjectives made on a supine stem, with the categories they give.
struct Suffix {
    QString text;
    QStringList categories;
};

const std::vector<Suffix>& supineSuffixes() {
    static const std::vector<Suffix> list = {
        {QStringLiteral("io"), {QStringLiteral("N3")}},
        {QStringLiteral("or"), {QStringLiteral("N3")}},
        {QStringLiteral("rix"), {QStringLiteral("N3")}},
        {QStringLiteral("ura"), {QStringLiteral("N1")}},
        {QStringLiteral("us"), {QStringLiteral("N4"), QStringLiteral("A1")}},
        {QStringLiteral("um"), {QStringLiteral("N2")}},
        {QStringLiteral("ivus"), {QStringLiteral("A1")}},
        {QStringLiteral("orius"), {QStringLiteral("A1")}},
    };
    return list;
}

const std::vector<Suffix>& abstractNounSuffixes() {
    static const std::vector<Suffix> list = {
        {QStringLiteral("itas"), {QStringLiteral("N3")}},
        {QStringLiteral("tas"), {QStringLiteral("N3")}},
        {QStringLiteral("itudo"), {QStringLiteral("N3")}},
        {QStringLiteral("tudo"), {QStringLiteral("N3")}},
        {QStringLiteral("itia"), {QStringLiteral("N1")}},
        {QStringLiteral("ia"), {QStringLiteral("N1")}},
    };
    return list;
}

const std::vector<Suffix>& nounAdjectiveSuffixes() {
    static const std::vector<Suffix> list = {
        {QStringLiteral("alis"), {QStringLiteral("A2")}},
        {QStringLiteral("aris"), {QStringLiteral("A2")}},
        {QStringLiteral("osus"), {QStringLiteral("A1")}},
        {QStringLiteral("icus"), {QStringLiteral("A1")}},
        {QStringLiteral("ensis"), {QStringLiteral("A2")}},
    };
    return list;
}

bool isVerb(const QString& category) {
    return category.startsWith(QLatin1Char('V'));
}

bool isNoun(const QString& category) {
    return category.size() == 2 && category[0] == QLatin1Char('N') && category != u"N6";
}

bool isAdjective(const QString& category) {
    return category == u"A1" || category == u"A2";
}

// The vowel of a simple verb's first syllable as its compounds weaken it: facio, efficio;
// teneo, retineo; caedo, occido.
QString weakened(const QString& word) {
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word.mid(i, 2) == u"ae") {
            return word.left(i) + QLatin1Char('i') + word.mid(i + 2);
        }
        if (word[i] == QLatin1Char('a') || word[i] == QLatin1Char('e')) {
            return word.left(i) + QLatin1Char('i') + word.mid(i + 1);
        }
        if (QStringLiteral("iouy").contains(word[i])) {
            return word;
        }
    }
    return word;
}

class LinkFinder {
  public:
    explicit LinkFinder(const std::vector<FamilyCandidate>& c) : c_(c) { index(); }

    std::vector<FamilyLink> links() {
        for (int i = 0; i < static_cast<int>(c_.size()); ++i) {
            const QString& category = at(i).category;
            if (isVerb(category)) {
                link(i, compoundBases(i));
            }
            if (isNoun(category) || isAdjective(category)) {
                link(i, suffixBases(i, supineSuffixes(), verbsBySupine_));
            }
            if (category == u"ADV") {
                link(i, adverbBases(i));
            }
            if (isNoun(category)) {
                link(i, suffixBases(i, abstractNounSuffixes(), adjectivesByStem_));
            }
            if (isAdjective(category)) {
                link(i, suffixBases(i, nounAdjectiveSuffixes(), nounsByStem_));
            }
        }
        return links_;
    }

  private:
    const FamilyCandidate& at(int i) const { return c_[static_cast<std::size_t>(i)]; }

    void index() {
        for (int i = 0; i < static_cast<int>(c_.size()); ++i) {
            const FamilyCandidate& e = at(i);
            if (isVerb(e.category)) {
                verbsByWord_.insert(e.word, i);
                if (e.category != u"V1") {
                    verbsByWord_.insert(weakened(e.word), i);  // amo keeps its a: adamo
                }
                addStems(verbsBySupine_, e.stems2, i);
            } else if (isAdjective(e.category)) {
                addStems(adjectivesByStem_, e.stems0, i);
                addStems(adjectivesByStem_, e.stems1, i);
            } else if (isNoun(e.category)) {
                addStems(nounsByStem_, e.stems1, i);
            }
        }
    }

    static void addStems(QMultiHash<QString, int>& hash, const QStringList& stems, int i) {
        for (const QString& s : stems) {
            if (s.size() >= kShortestStem && !hash.contains(s, i)) {
                hash.insert(s, i);
            }
        }
    }

    void link(int derived, const QSet<int>& bases) {
        QSet<int> others = bases;
        others.remove(derived);
        if (others.size() == 1) {
            links_.push_back({derived, *others.begin()});
        }
    }

    enum class Agreement { Confirmed, Unknown, Contradicted };

    // The perfects agree when the compound's is the simple verb's (or its weakened form)
    // after a prefix; when either perfect is unknown the rest of the word alone decides.
    Agreement perfectsAgree(const FamilyCandidate& compound, const FamilyCandidate& simple) const {
        if (compound.stems1.isEmpty() || simple.stems1.isEmpty()) {
            return Agreement::Unknown;
        }
        for (const QString& mine : compound.stems1) {
            for (const QString& theirs : simple.stems1) {
                const QString weak = simple.category == u"V1" ? theirs : weakened(theirs);
                for (const QString& tail : {theirs, weak}) {
                    if (mine.size() > tail.size() && mine.endsWith(tail) &&
                        kVerbPrefixes.contains(mine.left(mine.size() - tail.size()))) {
                        return Agreement::Confirmed;
                    }
                }
            }
        }
        return Agreement::Contradicted;
    }

    // A simple verb whose perfect confirms the compound wins over one whose perfect is unknown
    // (adhibeo: habeo, not hebeo).
    QSet<int> compoundBases(int i) const {
        const FamilyCandidate& compound = at(i);
        QSet<int> confirmed;
        QSet<int> possible;
        for (const QString& prefix : kVerbPrefixes) {
            if (!compound.word.startsWith(prefix)) {
                continue;
            }
            const QString rest = compound.word.mid(prefix.size());
            for (int b : verbsByWord_.values(rest)) {
                const FamilyCandidate& simple = at(b);
                const bool longEnough = rest.size() >= 3 || simple.category == u"V6";
                if (!longEnough || simple.category != compound.category) {
                    continue;
                }
                const Agreement agreement = perfectsAgree(compound, simple);
                if (agreement == Agreement::Confirmed) {
                    confirmed.insert(b);
                } else if (agreement == Agreement::Unknown) {
                    possible.insert(b);
                }
            }
        }
        return confirmed.isEmpty() ? possible : confirmed;
    }

    QSet<int> suffixBases(int i, const std::vector<Suffix>& suffixes,
                          const QMultiHash<QString, int>& stems) const {
        const FamilyCandidate& e = at(i);
        QSet<int> bases;
        for (const Suffix& suffix : suffixes) {
            if (!suffix.categories.contains(e.category) || !e.word.endsWith(suffix.text)) {
                continue;
            }
            const QString stem = e.word.left(e.word.size() - suffix.text.size());
            if (stem.size() < kShortestStem) {
                continue;
            }
            for (int b : stems.values(stem)) {
                bases.insert(b);
            }
        }
        return bases;
    }

    QSet<int> adverbBases(int i) const {
        QSet<int> bases;
        for (const QString& stem : at(i).stems0) {
            if (stem.size() < kShortestStem) {
                continue;
            }
            for (int b : adjectivesByStem_.values(stem)) {
                bases.insert(b);
            }
        }
        return bases;
    }

    const std::vector<FamilyCandidate>& c_;
    QMultiHash<QString, int> verbsByWord_;
    QMultiHash<QString, int> verbsBySupine_;
    QMultiHash<QString, int> adjectivesByStem_;
    QMultiHash<QString, int> nounsByStem_;
    std::vector<FamilyLink> links_;
};

int root(std::vector<int>& parent, int i) {
    while (parent[static_cast<std::size_t>(i)] != i) {
        int& p = parent[static_cast<std::size_t>(i)];
        p = parent[static_cast<std::size_t>(p)];
        i = p;
    }
    return i;
}

}  // namespace

QHash<QString, QString> parseFrenchFamilies(QStringView text, QStringList* problems) {
    QHash<QString, QString> families;
    int number = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0) {
            problems->append(QStringLiteral("familles:%1: not \"key<TAB>family\"").arg(number));
            continue;
        }
        families.insert(matchingKey(line.left(tab).trimmed()),
                        line.mid(tab + 1).trimmed().toString());
    }
    return families;
}

std::vector<FamilyLink> familyLinks(const std::vector<FamilyCandidate>& candidates) {
    return LinkFinder(candidates).links();
}

std::vector<std::vector<int>> latinFamilies(const std::vector<FamilyCandidate>& candidates) {
    const int n = static_cast<int>(candidates.size());
    std::vector<int> parent(candidates.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (const FamilyLink& link : familyLinks(candidates)) {
        parent[static_cast<std::size_t>(root(parent, link.derived))] = root(parent, link.base);
    }
    QHash<int, std::vector<int>> members;
    for (int i = 0; i < n; ++i) {
        members[root(parent, i)].push_back(i);
    }
    for (std::vector<int>& list : members) {
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            return candidates[static_cast<std::size_t>(a)].frequency >
                   candidates[static_cast<std::size_t>(b)].frequency;
        });
    }
    std::vector<std::vector<int>> families(candidates.size());
    for (int i = 0; i < n; ++i) {
        for (int member : members.value(root(parent, i))) {
            if (member != i) {
                families[static_cast<std::size_t>(i)].push_back(member);
            }
        }
    }
    return families;
}

}  // namespace latindata
