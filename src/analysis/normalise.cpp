#include "analysis/normalise.h"

#include "records/records.h"

namespace analysis {
namespace {

// Appends the folded letter to out (a QString, or a Comparison); false when the character is
// no Latin letter.
template <class Out>
bool appendFolded(QChar c, Out& out) {
    const QChar lower = c.toLower();
    const char16_t u = lower.unicode();
    if (u >= u'a' && u <= u'z') {
        out.append(u == u'j' ? QChar(u'i') : u == u'v' ? QChar(u'u') : lower);
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

}  // namespace

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
    static const std::vector<Enclitic> list = {{QStringLiteral("que"), QStringLiteral("que")},
                                               {QStringLiteral("ne"), QStringLiteral("ne")},
                                               {QStringLiteral("ve"), QStringLiteral("ue")}};
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
