#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace records {

// A field of a record layout: where it starts and how many bytes it takes.
struct Field {
    int offset;
    int width;
    constexpr int end() const { return offset + width; }
};

// A fixed-length record as its bytes. Text fields hold one Windows-1252 byte per character,
// left-aligned and padded with spaces; integers are signed 16-bit little-endian.
// A new record is all spaces except its integer fields, which are zero.
template <int L>
class FixedRecord {
  public:
    static constexpr int Length = L;

    QByteArray toBytes() const { return QByteArray(bytes_.data(), L); }
    // Takes the first Length bytes; returns false (record unchanged) when fewer are given.
    bool fromBytes(const QByteArray& bytes);
    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }

    bool operator==(const FixedRecord& other) const = default;

  protected:
    FixedRecord() { bytes_.fill(' '); }
    // The whole field, trailing spaces included.
    QString text(Field field) const;
    // Pads with spaces or cuts to the width.
    void setText(Field field, const QString& value);
    qint16 int16(int offset) const;
    void setInt16(int offset, qint16 value);

  private:
    std::array<char, L> bytes_;
};

// The layouts, field by field in file order. The analysed-form fields (offsets 2 to 205) are
// shared by thesaurus and analysis records.
namespace fields {
constexpr Field kNumber{0, 2};
constexpr Field kForm{2, 30};
constexpr Field kCategory{32, 7};
constexpr Field kLemma{39, 50};
constexpr Field kCaseGenderNumber{89, 15};
constexpr Field kMoodTenseVoice{104, 22};
constexpr Field kTranslation{126, 80};
constexpr Field kThesaurusReserved{206, 10};
constexpr Field kIndicator{206, 2};
constexpr Field kAnalysisReserved{208, 10};

constexpr Field kLexiconNumber{0, 2};
constexpr Field kLexiconLemma{2, 70};
constexpr Field kLexiconCategory{72, 6};
constexpr Field kLexiconTranslation{78, 100};
constexpr Field kFrenchFamily{178, 70};
constexpr Field kLatinFamily{248, 70};
constexpr Field kLexiconReserved{318, 5};

// True when the fields follow each other without gap or overlap and end at the length.
template <std::size_t N>
constexpr bool tile(const Field (&layout)[N], int length) {
    int next = 0;
    for (const Field& f : layout) {
        if (f.offset != next) {
            return false;
        }
        next = f.end();
    }
    return next == length;
}

constexpr Field kThesaurusLayout[] = {
    kNumber,           kForm,           kCategory,    kLemma,
    kCaseGenderNumber, kMoodTenseVoice, kTranslation, kThesaurusReserved};
constexpr Field kAnalysisLayout[] = {kNumber,           kForm,           kCategory,    kLemma,
                                     kCaseGenderNumber, kMoodTenseVoice, kTranslation, kIndicator,
                                     kAnalysisReserved};
constexpr Field kLexiconLayout[] = {kLexiconNumber,      kLexiconLemma, kLexiconCategory,
                                    kLexiconTranslation, kFrenchFamily, kLatinFamily,
                                    kLexiconReserved};
static_assert(tile(kThesaurusLayout, 216), "the thesaurus fields must fill 216 bytes");
static_assert(tile(kAnalysisLayout, 218), "the analysis fields must fill 218 bytes");
static_assert(tile(kLexiconLayout, 323), "the lexicon fields must fill 323 bytes");
}  // namespace fields

// The fields shared by thesaurus and analysis records: one analysis of one form.
template <int L>
class AnalysedFormRecord : public FixedRecord<L> {
  public:
    QString form() const { return this->text(fields::kForm); }
    void setForm(const QString& v) { this->setText(fields::kForm, v); }
    QString category() const { return this->text(fields::kCategory); }
    void setCategory(const QString& v) { this->setText(fields::kCategory, v); }
    QString lemma() const { return this->text(fields::kLemma); }
    void setLemma(const QString& v) { this->setText(fields::kLemma, v); }
    QString caseGenderNumber() const { return this->text(fields::kCaseGenderNumber); }
    void setCaseGenderNumber(const QString& v) { this->setText(fields::kCaseGenderNumber, v); }
    QString moodTenseVoice() const { return this->text(fields::kMoodTenseVoice); }
    void setMoodTenseVoice(const QString& v) { this->setText(fields::kMoodTenseVoice, v); }
    QString translation() const { return this->text(fields::kTranslation); }
    void setTranslation(const QString& v) { this->setText(fields::kTranslation, v); }

    // The six fields at once, in the order the readable data sources give them.
    void setAnalysis(const QString& form, const QString& category, const QString& lemma,
                     const QString& caseGenderNumber, const QString& moodTenseVoice,
                     const QString& translation) {
        setForm(form);
        setCategory(category);
        setLemma(lemma);
        setCaseGenderNumber(caseGenderNumber);
        setMoodTenseVoice(moodTenseVoice);
        setTranslation(translation);
    }

  protected:
    AnalysedFormRecord() { this->setInt16(fields::kNumber.offset, 0); }
};

// One analysis of one form, in a thesaurus file (the base thesaurus or a user's).
// The number is the record's own position in its file.
class ThesaurusRecord : public AnalysedFormRecord<216> {
  public:
    qint16 number() const { return int16(fields::kNumber.offset); }
    void setNumber(qint16 n) { setInt16(fields::kNumber.offset, n); }
    QString reserved() const { return text(fields::kThesaurusReserved); }
};

// One row of a saved analysis grid: the thesaurus layout plus the not-found indicator.
class AnalysisRecord : public AnalysedFormRecord<218> {
  public:
    qint16 reservedInteger() const { return int16(fields::kNumber.offset); }
    QString indicator() const { return text(fields::kIndicator); }
    void setIndicator(const QString& v) { setText(fields::kIndicator, v); }
    QString reserved() const { return text(fields::kAnalysisReserved); }
};

// One lemma of the lexicon, which the program only reads.
class LexiconRecord : public FixedRecord<323> {
  public:
    LexiconRecord() { setNumber(0); }
    qint16 number() const { return int16(fields::kLexiconNumber.offset); }
    void setNumber(qint16 n) { setInt16(fields::kLexiconNumber.offset, n); }
    QString lemma() const { return text(fields::kLexiconLemma); }
    void setLemma(const QString& v) { setText(fields::kLexiconLemma, v); }
    QString category() const { return text(fields::kLexiconCategory); }
    void setCategory(const QString& v) { setText(fields::kLexiconCategory, v); }
    QString translation() const { return text(fields::kLexiconTranslation); }
    void setTranslation(const QString& v) { setText(fields::kLexiconTranslation, v); }
    QString frenchFamily() const { return text(fields::kFrenchFamily); }
    void setFrenchFamily(const QString& v) { setText(fields::kFrenchFamily, v); }
    QString latinFamily() const { return text(fields::kLatinFamily); }
    void setLatinFamily(const QString& v) { setText(fields::kLatinFamily, v); }
    QString reserved() const { return text(fields::kLexiconReserved); }
};

// Markers shared by every reader and writer.
inline const QString kEmptyMarker = QStringLiteral("_");
inline const QString kNotFoundMark = QStringLiteral("*");
inline const QString kDeletedForm = QStringLiteral("$$$");

// A value as a record stores it: an empty one as the empty marker.
inline QString orEmptyMarker(const QString& value) {
    return value.isEmpty() ? kEmptyMarker : value;
}

QString trimmedRight(const QString& s);
QString trimmedLeft(const QString& s);

// A file name or a text as the program's messages quote it: « text ».
QString quoted(const QString& text);
// A size in bytes as a message says it: "0 octet", "1 octet", "216 octets".
QString byteCount(qint64 bytes);
// Whether a value fits its field whole: no longer than the width, every character encodable.
bool isCut(const QString& value, int width);
bool hasUnencodable(const QString& value);

}  // namespace records

#include "core/records/records_impl.h"
