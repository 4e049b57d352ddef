#include "core/morphology/normalise.h"

#include "core/records/records.h"

#include <algorithm>
#include <utility>

namespace analysis {
namespace {

// Appends the folded letter to out (a QString, or a Comparison); false when the character is
// no Latin letter.
template <class Out>
bool appendFolded(QChar c, Out& out) {
    const QChar lower = c.toLower();
    const char16_t u = lower.unicode();
    if (u >= u'a' && u <= u'z') {
        out.append(QChar(foldIJUV(u)));
        return true;
    }
    if (u == u'æ' || u == u'œ') {
        out.append(QChar(u == u'æ' ? u'a' : u'o'));
        out.append(QChar(u'e'));
        return true;
    }
    if (lower.category() == QChar::Mark_NonSpacing) {
        return true;  // a length mark or an accent written apart from its letter
    }
    // An accented letter is its base letter followed by marks (ā, é, ǣ).
    const QString parts = lower.decomposition();
    if (lower.decompositionTag() != QChar::Canonical || parts.isEmpty()) {
        return false;
    }
    for (QChar part : parts) {
        if (!appendFolded(part, out)) {
            return false;
        }
    }
    return true;
}

// Compares a form's folded letters with a folded form as they come, without building them.
struct Comparison {
    QStringView folded;
    qsizetype next = 0;
    bool same = true;

    void append(QChar c) {
        same = same && next < folded.size() && folded[next] == c;
        ++next;
    }
};

// A prefix as editions print it unassimilated, and as the data writes it (folded).
struct PrefixSpelling {
    const char* printed;
    const char* stored;
};
constexpr PrefixSpelling kPrefixes[] = {
    {"adsp", "asp"},  {"adsc", "asc"},  {"adst", "ast"},  {"adc", "acc"},   {"adf", "aff"},
    {"adg", "agg"},   {"adl", "all"},   {"adn", "ann"},   {"adp", "app"},   {"adq", "acq"},
    {"adr", "arr"},   {"ads", "ass"},   {"adt", "att"},   {"conb", "comb"}, {"conl", "coll"},
    {"conm", "comm"}, {"conp", "comp"}, {"conr", "corr"}, {"exs", "ex"},    {"inb", "imb"},
    {"inl", "ill"},   {"inm", "imm"},   {"inp", "imp"},   {"inr", "irr"},   {"obc", "occ"},
    {"obf", "off"},   {"obp", "opp"},   {"subc", "succ"}, {"subf", "suff"}, {"subg", "sugg"},
    {"subm", "summ"}, {"subp", "supp"}};

// Perfect endings after which a syncopated form dropped -ui- (amasti, audisse) or -ue-
// (amarunt, norunt).
constexpr const char* kEndingsAfterVi[] = {"sti",  "stis",   "sse",    "ssem", "sses",
                                           "sset", "ssemus", "ssetis", "ssent"};
constexpr const char* kEndingsAfterVe[] = {"runt", "ram", "ras", "rat",   "ramus", "ratis", "rant",
                                           "ro",   "ris", "rit", "rimus", "ritis", "rint",  "rim"};

// Words spelt two ways whole, in both directions.
constexpr std::pair<const char*, const char*> kWordPairs[] = {{"nil", "nihil"}, {"nihil", "nil"}};

// A perfect in -xi syncopated before -st-: duxti, direxti (duxisti).
constexpr const char* kEndingsAfterX[] = {"ti", "tis"};

constexpr qsizetype kShortestStem = 2;
constexpr qsizetype kShortestSyncopeStem = 1;  // norit, nosse

void addVariant(std::vector<SpellingVariant>& out, const QString& folded,
                SpellingVariant::Keep keep) {
    const SpellingVariant v{folded, keep};
    if (std::find(out.begin(), out.end(), v) == out.end()) {
        out.push_back(v);
    }
}

void addPrefixVariants(std::vector<SpellingVariant>& out, const QString& folded) {
    for (const PrefixSpelling& p : kPrefixes) {
        const QLatin1StringView printed(p.printed);
        if (folded.startsWith(printed) && folded.size() >= printed.size() + kShortestStem) {
            addVariant(out, QLatin1StringView(p.stored) + folded.mid(printed.size()),
                       SpellingVariant::Keep::All);
            return;  // the longest prefix comes first
        }
    }
}

void addSyncopeVariants(std::vector<SpellingVariant>& out, const QString& folded) {
    enum class Before { AEO, I, X };
    const auto tryEndings = [&](const auto& endings, const QString& restored, Before before) {
        for (const char* ending : endings) {
            const QLatin1StringView e(ending);
            const qsizetype vowel = folded.size() - e.size() - 1;
            if (vowel < kShortestSyncopeStem || !folded.endsWith(e)) {
                continue;
            }
            const QChar v = folded[vowel];
            const bool fits = before == Before::I   ? v == u'i'
                              : before == Before::X ? v == u'x'
                                                    : (v == u'a' || v == u'e' || v == u'o');
            if (fits) {
                addVariant(out, folded.left(vowel + 1) + restored + e,
                           SpellingVariant::Keep::PerfectSystem);
            }
        }
    };
    tryEndings(kEndingsAfterVi, QStringLiteral("ui"), Before::AEO);
    tryEndings(kEndingsAfterVi, QStringLiteral("ui"), Before::I);
    tryEndings(kEndingsAfterVi, QStringLiteral("i"), Before::I);  // exisset: exiisset
    tryEndings(kEndingsAfterVe, QStringLiteral("ue"), Before::AEO);
    tryEndings(kEndingsAfterX, QStringLiteral("is"), Before::X);
}

}  // namespace

std::vector<SpellingVariant> spellingVariants(const QString& folded) {
    std::vector<SpellingVariant> out;
    if (folded.size() <= kShortestStem) {
        return out;
    }
    addPrefixVariants(out, folded);
    addSyncopeVariants(out, folded);
    if (folded.endsWith(u'i') && !folded.endsWith(QLatin1StringView("ii"))) {
        addVariant(out, folded + u'i', SpellingVariant::Keep::SingularGenitive);
    }
    for (const char* pair : {"nq", "mq"}) {
        const qsizetype at = folded.indexOf(QLatin1StringView(pair));
        if (at > 0) {
            QString other = folded;
            other[at] = pair[0] == 'n' ? u'm' : u'n';
            addVariant(out, other, SpellingVariant::Keep::All);
        }
    }
    for (const auto& [one, other] : kWordPairs) {
        if (folded == QLatin1StringView(one)) {
            addVariant(out, QString::fromLatin1(other), SpellingVariant::Keep::All);
        }
    }
    return out;
}

QString foldedForm(QStringView form) {
    if (form.isEmpty() || form.size() > records::fields::kForm.width) {
        return {};
    }
    QString out;
    out.reserve(form.size() + 2);
    for (QChar c : form) {
        if (!appendFolded(c, out)) {
            return {};
        }
    }
    return out;
}

bool foldsTo(QStringView form, QStringView folded) {
    if (form.isEmpty() || form.size() > records::fields::kForm.width) {
        return false;
    }
    Comparison comparison{folded};
    for (QChar c : form) {
        if (!appendFolded(c, comparison) || !comparison.same) {
            return false;
        }
    }
    return comparison.next == folded.size();
}

const std::vector<Enclitic>& enclitics() {
    static const std::vector<Enclitic> list = {
        {QStringLiteral("que"), QStringLiteral("que"), QStringLiteral("CC"), QStringLiteral("et")},
        {QStringLiteral("ne"), QStringLiteral("ne"), QStringLiteral("partic"),
         QStringLiteral("est-ce que ? (interrogation)")},
        {QStringLiteral("ve"), QStringLiteral("ue"), QStringLiteral("CC"), QStringLiteral("ou")}};
    return list;
}

std::vector<EncliticSplit> encliticSplits(const QString& folded) {
    std::vector<EncliticSplit> splits;
    for (const Enclitic& e : enclitics()) {
        if (folded.size() > e.folded.size() && folded.endsWith(e.folded)) {
            splits.push_back({folded.chopped(e.folded.size()), e.name});
        }
    }
    return splits;
}

}  // namespace analysis
