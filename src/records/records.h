#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

namespace records {

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
    QString text(int offset, int width) const;
    // Pads with spaces or cuts to the width.
    void setText(int offset, int width, const QString& value);
    qint16 int16(int offset) const;
    void setInt16(int offset, qint16 value);

  private:
    std::array<char, L> bytes_;
};

// The fields shared by thesaurus and analysis records: one analysis of one form,
// from offset 2 to 205.
template <int L>
class AnalysedFormRecord : public FixedRecord<L> {
  public:
    QString form() const { return this->text(2, 30); }
    void setForm(const QString& v) { this->setText(2, 30, v); }
    QString category() const { return this->text(32, 7); }
    void setCategory(const QString& v) { this->setText(32, 7, v); }
    QString lemma() const { return this->text(39, 50); }
    void setLemma(const QString& v) { this->setText(39, 50, v); }
    QString caseGenderNumber() const { return this->text(89, 15); }
    void setCaseGenderNumber(const QString& v) { this->setText(89, 15, v); }
    QString moodTenseVoice() const { return this->text(104, 22); }
    void setMoodTenseVoice(const QString& v) { this->setText(104, 22, v); }
    QString translation() const { return this->text(126, 80); }
    void setTranslation(const QString& v) { this->setText(126, 80, v); }

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
    AnalysedFormRecord() { this->setInt16(0, 0); }
};

// One analysis of one form, in a thesaurus file (the base thesaurus or a user's).
// The number is the record's own position in its file.
class ThesaurusRecord : public AnalysedFormRecord<216> {
  public:
    qint16 number() const { return int16(0); }
    void setNumber(qint16 n) { setInt16(0, n); }
    QString reserved() const { return text(206, 10); }
};

// One row of a saved analysis grid: the thesaurus layout plus the not-found indicator.
class AnalysisRecord : public AnalysedFormRecord<218> {
  public:
    qint16 reservedInteger() const { return int16(0); }
    QString indicator() const { return text(206, 2); }
    void setIndicator(const QString& v) { setText(206, 2, v); }
    QString reserved() const { return text(208, 10); }
};

// One lemma of the lexicon, which the program only reads.
class LexiconRecord : public FixedRecord<323> {
  public:
    LexiconRecord() { setNumber(0); }
    qint16 number() const { return int16(0); }
    void setNumber(qint16 n) { setInt16(0, n); }
    QString lemma() const { return text(2, 70); }
    void setLemma(const QString& v) { setText(2, 70, v); }
    QString category() const { return text(72, 6); }
    void setCategory(const QString& v) { setText(72, 6, v); }
    QString translation() const { return text(78, 100); }
    void setTranslation(const QString& v) { setText(78, 100, v); }
    QString frenchFamily() const { return text(178, 70); }
    void setFrenchFamily(const QString& v) { setText(178, 70, v); }
    QString latinFamily() const { return text(248, 70); }
    void setLatinFamily(const QString& v) { setText(248, 70, v); }
    QString reserved() const { return text(318, 5); }
};

// Markers shared by every reader and writer.
inline const QString kEmptyMarker = QStringLiteral("_");
inline const QString kNotFoundMark = QStringLiteral("*");
inline const QString kDeletedForm = QStringLiteral("$$$");

QString trimmedRight(const QString& s);
QString trimmedLeft(const QString& s);

}  // namespace records

#include "records/records_impl.h"
