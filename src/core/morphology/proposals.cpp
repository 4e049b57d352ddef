#include "core/morphology/proposals.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/normalise.h"
#include "core/records/records.h"

#include <QHash>

namespace analysis {
namespace {

const QString kInGridMark = QStringLiteral("✓ ");

QString cut(const QString& value, records::Field field) {
    return value.left(field.width);
}

bool isEmptyValue(const QString& text) {
    const QString value = records::trimmedRight(text);
    return value.isEmpty() || value == records::kEmptyMarker;
}

// A value as the duplicate test of a validation compares it, the empty marker as nothing.
QString comparableValue(const QString& text) {
    return isEmptyValue(text) ? QString() : comparable(text);
}

bool sameAnalysis(const GridRow& row, const DetailFields& f) {
    return comparableValue(row[Column::Lemma].text) == comparableValue(f.lemma) &&
           comparableValue(row[Column::Category].text) == comparableValue(f.category) &&
           comparableValue(row[Column::CaseGenderNumber].text) ==
               comparableValue(f.caseGenderNumber) &&
           comparableValue(row[Column::MoodTenseVoice].text) == comparableValue(f.moodTenseVoice);
}

QString describe(const ProposedAnalysis& a) {
    QString text = QStringLiteral("%1 (%2)").arg(a.lemma, a.category);
    for (const QString& feature : {a.caseGenderNumber, a.moodTenseVoice}) {
        if (!isEmptyValue(feature)) {
            text += QLatin1Char(' ') + feature;
        }
    }
    if (!a.enclitic.isEmpty()) {
        text += QStringLiteral(" + -") + a.enclitic;
    }
    if (!isEmptyValue(a.translation)) {
        text += QStringLiteral(" – ") + a.translation;
    }
    return text;
}

// Why a form has no proposal at all; empty when it may have some.
QString noProposalReason(const MorphologyDatabase& database, const QString& form) {
    if (!database.isOpen()) {
        return QStringLiteral("Aucune analyse proposée : %1.").arg(database.availability().error());
    }
    if (form.isEmpty()) {
        return QStringLiteral("Aucune forme sur cette ligne.");
    }
    if (form.size() > records::fields::kForm.width) {
        return QStringLiteral(
                   "Aucune analyse proposée : la forme %1 dépasse les %2 caractères "
                   "d'une forme du Thesaurus.")
            .arg(records::quoted(form))
            .arg(records::fields::kForm.width);
    }
    if (foldedForm(form).isEmpty()) {
        return QStringLiteral("Aucune analyse proposée : %1 n'est pas un mot latin.")
            .arg(records::quoted(form));
    }
    return {};
}

bool isUntouchedNotFoundRow(const GridRow& row) {
    if (records::trimmedRight(row[Column::Indicator].text) != records::kNotFoundMark ||
        records::trimmedRight(row[Column::Form].text).isEmpty()) {
        return false;
    }
    for (int c = index(Column::Lemma); c <= index(Column::MoodTenseVoice); ++c) {
        if (records::trimmedRight(row.cells[c].text) != records::kEmptyMarker) {
            return false;
        }
    }
    return true;
}

GridRow proposedRow(const GridRow& notFound, const ProposedAnalysis& a, bool ambiguous) {
    const QString form = notFound[Column::Form].text;
    const DetailFields f = proposedFields(records::trimmedRight(form), a);
    GridRow row = notFound;
    const QString texts[] = {f.lemma, f.translation, f.category, f.caseGenderNumber,
                             f.moodTenseVoice};
    for (int c = index(Column::Lemma); c <= index(Column::MoodTenseVoice); ++c) {
        Cell& cell = row.cells[c];
        cell.text = texts[c - 1];
        cell.colour = ambiguous ? std::optional<quint32>(kAmbiguityColour) : std::nullopt;
        cell.italic = true;
    }
    return row;
}

}  // namespace

DetailFields proposedFields(const QString& form, const ProposedAnalysis& a) {
    using namespace records::fields;
    QString translation = cut(a.translation, kTranslation);
    if (!a.enclitic.isEmpty()) {
        const QString named = QStringLiteral("+ -") + a.enclitic;
        translation = isEmptyValue(a.translation)
                          ? named
                          : a.translation.left(kTranslation.width - named.size() - 1) +
                                QLatin1Char(' ') + named;
    }
    return {form,
            cut(a.lemma, kLemma),
            translation,
            cut(a.category, kCategory),
            cut(a.caseGenderNumber, kCaseGenderNumber),
            cut(a.moodTenseVoice, kMoodTenseVoice)};
}

ProposalList proposalList(MorphologyDatabase& database, const GridRows& rows, qint64 row) {
    ProposalList list;
    const QString form =
        row >= 1 && row <= static_cast<qint64>(rows.size())
            ? records::trimmedRight(rows[static_cast<std::size_t>(row - 1)][Column::Form].text)
            : QString();
    const std::vector<ProposedAnalysis> found = database.proposals(form);
    list.status = noProposalReason(database, form);  // the database may have closed on reading
    if (!list.status.isEmpty()) {
        return list;
    }
    const QString folded = foldedForm(form);
    std::vector<const GridRow*> sameForm;
    for (const GridRow& r : rows) {
        if (foldsTo(records::trimmedRight(r[Column::Form].text), folded)) {
            sameForm.push_back(&r);
        }
    }
    for (const ProposedAnalysis& a : found) {
        ProposalItem item{describe(a), proposedFields(form, a), false};
        for (const GridRow* r : sameForm) {
            item.inGrid = item.inGrid || sameAnalysis(*r, item.fields);
        }
        if (item.inGrid) {
            item.text = kInGridMark + item.text;
        }
        list.items.push_back(std::move(item));
    }
    if (list.items.empty()) {
        list.status = QStringLiteral("Aucune analyse proposée pour %1.").arg(records::quoted(form));
    } else {
        list.status = QStringLiteral("%1 pour %2 (double-clic ou Entrée pour la reprendre).")
                          .arg(list.items.size() == 1
                                   ? QStringLiteral("1 analyse proposée")
                                   : QStringLiteral("%1 analyses proposées").arg(list.items.size()),
                               records::quoted(form));
    }
    return list;
}

Completion completedRows(const GridRows& rows, MorphologyDatabase& database,
                         const Progress& progress) {
    Completion done;
    done.newRowOf.reserve(rows.size());
    QHash<QString, std::vector<ProposedAnalysis>> known;  // by form as written
    qint64 added = 0;                                     // rows the completion adds above
    const auto count = static_cast<qint64>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!carryOn(progress, static_cast<qint64>(i), count)) {
            break;
        }
        const GridRow& row = rows[i];
        done.newRowOf.push_back(static_cast<qint64>(i) + 1 + added);
        if (!isUntouchedNotFoundRow(row)) {
            continue;
        }
        const QString form = records::trimmedRight(row[Column::Form].text);
        auto proposals = known.constFind(form);
        if (proposals == known.constEnd()) {
            proposals = known.insert(form, database.proposals(form));
        }
        if (proposals->empty()) {
            continue;
        }
        ++done.formsCompleted;
        RowsHunk hunk{static_cast<qint64>(i) + 1, {row}, {}};
        for (const ProposedAnalysis& a : *proposals) {
            hunk.inserted.push_back(proposedRow(row, a, proposals->size() > 1));
            ++done.rowsProposed;
        }
        added += hunk.sizeChange();
        done.edit.hunks.push_back(std::move(hunk));
    }
    return done;
}

QString completionSummary(const Completion& done) {
    if (done.formsCompleted == 0) {
        return QStringLiteral("Aucune forme absente du Thesaurus n'a d'analyse proposée.");
    }
    const QString forms =
        done.formsCompleted == 1
            ? QStringLiteral("1 forme absente complétée")
            : QStringLiteral("%1 formes absentes complétées").arg(done.formsCompleted);
    const QString analyses = done.rowsProposed == 1
                                 ? QStringLiteral("1 analyse proposée")
                                 : QStringLiteral("%1 analyses proposées").arg(done.rowsProposed);
    return QStringLiteral(
               "%1 par %2 (en italique) ; rien n'est enregistré dans le Thesaurus "
               "avant validation.")
        .arg(forms, analyses);
}

}  // namespace analysis
