#pragma once

#include "records/records.h"

#include <QFile>
#include <QString>

#include <cstring>
#include <vector>

namespace records {

// A file of fixed-length records, opened for one command and closed at its end.
// Record n (from 1) occupies bytes (n - 1) * L to n * L - 1; a trailing partial record is
// never read. Every failure is reported to the caller, with a French message in error().
class RecordFile {
  public:
    RecordFile(const QString& path, int recordLength);

    // Opens for reading and writing, creating an empty file when none exists. A file that may
    // be read but not written is opened read-only: reading works and writing reports failure.
    bool open();
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }

    qint64 length() const { return file_.size(); }
    qint64 count() const { return file_.size() / recordLength_; }

    // Cuts the file back, after a write that the disk cut short.
    bool resize(qint64 length) { return file_.resize(length); }

    bool readRaw(qint64 n, char* buffer);
    bool writeRaw(qint64 n, const char* buffer);
    template <class R>
    bool read(qint64 n, R& record) {
        return readRaw(n, record.data());
    }
    template <class R>
    bool write(qint64 n, const R& record) {
        return writeRaw(n, record.data());
    }
    // Every whole record, in file order, read in one pass.
    bool readAllRaw(QByteArray& bytes);

    const QString& path() const { return path_; }
    const QString& error() const { return error_; }

  private:
    bool fail(const QString& what);

    QFile file_;
    QString path_;
    int recordLength_;
    QString error_;
};

template <class R>
struct Records {
    bool ok = false;
    QString error;
    std::vector<R> records;
};

// Reads every record of a file, creating it empty when it does not exist.
template <class R>
Records<R> readAllRecords(const QString& path) {
    Records<R> result;
    RecordFile file(path, R::Length);
    QByteArray bytes;
    if (!file.open() || !file.readAllRaw(bytes)) {
        result.error = file.error();
        return result;
    }
    const qsizetype n = bytes.size() / R::Length;
    result.records.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        std::memcpy(result.records[i].data(), bytes.constData() + i * R::Length, R::Length);
    }
    result.ok = true;
    return result;
}

// Position of the next appended record: file length / L + 1, rounded half to even when the
// length is not a whole number of records.
qint64 appendPosition(qint64 fileLength, int recordLength);

// Highest record number a thesaurus can give: the number is a signed 16-bit field.
constexpr qint64 kMaxRecordNumber = 32767;

struct AppendResult {
    bool ok = false;
    qint64 position = 0;
    QString error;
};

// Appends an analysis to a thesaurus file, numbering it with its position. Refuses a position
// beyond the 16-bit record number, which would wrap and later be rewritten at a wrong place.
AppendResult appendThesaurusRecord(const QString& path, ThesaurusRecord record);

// Replaces a file by these bytes: written completely, then put in place of the old file, or not
// at all (the old file stays as it was). A short write (a full disk) counts as a failure.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error);

// Copies every whole record of one file into a new file at the same positions. The target is
// written completely or not at all: on failure it is left as it was.
bool copyRecords(const QString& from, const QString& to, int recordLength, QString* error);

}  // namespace records
