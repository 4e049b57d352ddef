#include "core/browsing/browsing.h"

#include "core/records/cp1252.h"
#include "core/records/fieldtexts.h"
#include "core/records/recordfile.h"

#include <QFileInfo>

#include <functional>
#include <string_view>

namespace thesaurus {
namespace {

class ListReader {
  public:
    explicit ListReader(Trimming trimming) : trimming_(trimming) {}

    // Appends the record held by these 216 bytes.
    void append(analysis::ThesaurusLists& lists, const char* bytes) {
        namespace f = records::fields;
        using records::fieldBytes;
        using records::Padding;
        const bool base = trimming_ == Trimming::Base;
        const Padding trimmed = base ? Padding::NoTrailing : Padding::Kept;
        const std::string_view form = fieldBytes(bytes, f::kForm, Padding::NoTrailing);
        // A form's analyses follow each other: a form is looked up only among its neighbours.
        if (lists.forms.empty() || form != lastForm_) {
            lists.forms.push_back(records::cp1252::decode(form.data(), qsizetype(form.size())));
            lastForm_ = form;
        } else {
            lists.forms.push_back(lists.forms.back());
        }
        lists.lemmas.push_back(lemmas_.text(fieldBytes(bytes, f::kLemma, trimmed)));
        lists.categories.push_back(categories_.text(fieldBytes(bytes, f::kCategory, trimmed)));
        lists.caseGenderNumbers.push_back(caseGenderNumbers_.text(
            fieldBytes(bytes, f::kCaseGenderNumber, base ? Padding::NoLeading : Padding::Kept)));
        lists.moodTenseVoices.push_back(
            moodTenseVoices_.text(fieldBytes(bytes, f::kMoodTenseVoice, trimmed)));
        lists.translations.push_back(
            translations_.text(fieldBytes(bytes, f::kTranslation, trimmed)));
        lists.numbers.push_back(records::int16At(bytes, f::kNumber.offset));
    }

  private:
    Trimming trimming_;
    records::SharedTexts lemmas_;
    records::SharedTexts categories_;
    records::SharedTexts caseGenderNumbers_;
    records::SharedTexts moodTenseVoices_;
    records::SharedTexts translations_;
    std::string_view lastForm_;
};

// Reads record `number`, checks it still holds the bytes that were listed, lets `change` fill
// it and writes it back in place; on a failed write the old bytes are put back.
WriteResult rewriteRecord(const QString& path, qint64 number, const QByteArray& listed,
                          const std::function<void(records::ThesaurusRecord&)>& change,
                          const QString& nothingDone) {
    auto refuse = [&](const QString& why, WriteFailure kind = WriteFailure::Failed) {
        return WriteResult(records::failure(kind, why + QLatin1Char('\n') + nothingDone));
    };
    if (!QFileInfo::exists(path)) {
        return refuse(
            QStringLiteral("Le Thesaurus %1 est introuvable.").arg(records::quoted(path)));
    }
    records::RecordFile file(path, records::ThesaurusRecord::Length);
    if (const auto opened = file.open(); !opened.ok()) {
        return refuse(opened.error());
    }
    records::ThesaurusShape shape;
    shape.length = file.length();
    shape.wholeRecords = shape.length % records::ThesaurusRecord::Length == 0;
    if (!shape.wholeRecords) {
        return refuse(records::notAThesaurusReason(path, shape));
    }
    records::ThesaurusRecord record;
    const bool inRange = number >= 1 && number <= file.count();
    if (const auto read = inRange ? file.read(number, record) : records::Outcome<void>();
        !read.ok()) {
        return refuse(read.error());
    }
    // A listed record is never a deletion marker, so a marker found here differs as well.
    if (!inRange || record.toBytes() != listed ||
        records::trimmedRight(record.form()) == records::kDeletedForm) {
        return refuse(QStringLiteral("Le Thesaurus %1 a changé depuis sa lecture : "
                                     "l'enregistrement n° %2 ne contient plus l'analyse affichée.")
                          .arg(records::quoted(path))
                          .arg(number),
                      WriteFailure::Stale);
    }
    const records::ThesaurusRecord old = record;
    change(record);
    record.setNumber(static_cast<qint16>(number));
    if (const auto written = file.write(number, record); !written.ok()) {
        (void)file.write(number, old);  // a write cut short leaves no partial record
        return refuse(written.error());
    }
    return WriteResult(record.toBytes());
}

}  // namespace

records::Outcome<analysis::ThesaurusLists> loadBrowserLists(const QString& path, Trimming trimming,
                                                            QByteArray* records) {
    if (records) {
        records->clear();
    }
    const auto read = records::readExistingRecords(path, records::ThesaurusRecord::Length);
    if (!read.ok()) {
        return read.failure();
    }
    const records::WholeFile& file = read.value();
    analysis::ThesaurusLists lists;
    lists.reserve(file.count);
    ListReader reader(trimming);
    for (qint64 i = 0; i < file.count; ++i) {
        reader.append(lists, file.bytes.constData() + i * records::ThesaurusRecord::Length);
    }
    if (records) {
        *records = file.bytes;
    }
    return lists;
}

std::vector<qint64> entriesWithInitial(const std::vector<QString>& keys, QChar letter, Scan scan) {
    std::vector<qint64> found;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].isEmpty()) {
            continue;
        }
        const QChar initial = records::cp1252::toLower(keys[i].front());
        if (initial == letter) {
            found.push_back(static_cast<qint64>(i));
        } else if (scan == Scan::StopAtLaterInitial && initial > letter) {
            break;
        }
    }
    return found;
}

std::vector<qint64> entriesWithForm(const analysis::ThesaurusLists& lists, const QString& text) {
    std::vector<qint64> found;
    if (text.isEmpty()) {
        return found;
    }
    const QString wanted = analysis::lowerCased(text);
    for (std::size_t i = 0; i < lists.forms.size(); ++i) {
        const QString& form = lists.forms[i];
        // Lower-casing keeps the length: most forms are set aside without it.
        if (form.size() == wanted.size() && form != records::kDeletedForm &&
            analysis::lowerCased(form) == wanted) {
            found.push_back(static_cast<qint64>(i));
        }
    }
    return found;
}

std::vector<ResultRow> resultsOf(const analysis::ThesaurusLists& lists,
                                 const std::vector<qint64>& entries,
                                 const QByteArray& fileRecords) {
    constexpr qint64 length = records::ThesaurusRecord::Length;
    std::vector<ResultRow> rows;
    rows.reserve(entries.size());
    for (const qint64 entry : entries) {
        const auto i = static_cast<std::size_t>(entry);
        rows.push_back(
            {{lists.forms[i], lists.lemmas[i], lists.translations[i], lists.categories[i],
              lists.caseGenderNumbers[i], lists.moodTenseVoices[i]},
             lists.numbers[i],
             fileRecords.isEmpty() ? QByteArray() : fileRecords.mid(entry * length, length)});
    }
    return rows;
}

analysis::Pages printedListing(const std::vector<QStringList>& rows) {
    return analysis::labelledListing(analysis::kAnalysisLabels, rows);
}

WriteResult markDeleted(const QString& path, qint64 number, const QByteArray& listed) {
    const QString mark = records::kEmptyMarker;
    return rewriteRecord(
        path, number, listed,
        [&mark](records::ThesaurusRecord& record) {
            record.setAnalysis(records::kDeletedForm, mark, mark, mark, mark, mark);
        },
        QStringLiteral("L'analyse n'a pas été supprimée."));
}

records::ThesaurusRecord entryRecord(const analysis::DetailFields& values) {
    records::ThesaurusRecord record;
    record.setAnalysis(values.form, values.category, values.lemma, values.caseGenderNumber,
                       values.moodTenseVoice, values.translation);
    return record;
}

WriteResult rewriteEntry(const QString& path, qint64 number, const QByteArray& listed,
                         const analysis::DetailFields& values) {
    return rewriteRecord(
        path, number, listed,
        [&values](records::ThesaurusRecord& record) {
            record.setAnalysis(values.form, values.category, values.lemma, values.caseGenderNumber,
                               values.moodTenseVoice, values.translation);
        },
        QStringLiteral("L'analyse n'a pas été modifiée."));
}

analysis::DetailFields valuesOf(const QByteArray& record) {
    using records::trimmedRight;
    records::ThesaurusRecord stored;
    stored.fromBytes(record);
    return {trimmedRight(stored.form()),
            trimmedRight(stored.lemma()),
            trimmedRight(stored.translation()),
            trimmedRight(stored.category()),
            trimmedRight(stored.caseGenderNumber()),
            trimmedRight(stored.moodTenseVoice())};
}

}  // namespace thesaurus
