#pragma once

#include "core/records/outcome.h"
#include "core/records/records.h"

#include <QByteArray>
#include <QString>

#include <functional>

#include <cstring>
#include <vector>

namespace records {

// The reason of a failed system call (an errno value), in French.
QString systemReason(int error);

// What tells whether a file changed since it was read: its identity, size and times, to the
// nanosecond. A missing file has the null stamp.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const QString& path);

// A file of fixed-length records, opened for one command and closed at its end.
// Record n (from 1) occupies bytes (n - 1) * L to n * L - 1; a trailing partial record is
// never read. Every failure is reported to the caller, with a French message that names the
// file and the reason the system gave.
class RecordFile {
  public:
    RecordFile(const QString& path, int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, creating an empty file when none exists. A file that may
    // be read but not written is opened read-only: reading works and writing reports failure.
    Outcome<void> open();
    void close();
    bool isOpen() const { return fd_ >= 0; }

    qint64 length() const;
    qint64 count() const { return length() / recordLength_; }

    // Cuts the file back, after a write that the disk cut short.
    Outcome<void> resize(qint64 length);

    Outcome<void> readRaw(qint64 n, char* buffer);
    Outcome<void> writeRaw(qint64 n, const char* buffer);
    template <class R>
    Outcome<void> read(qint64 n, R& record) {
        return readRaw(n, record.data());
    }
    template <class R>
    Outcome<void> write(qint64 n, const R& record) {
        return writeRaw(n, record.data());
    }
    // Every whole record, in file order, read in one pass.
    Outcome<QByteArray> readAllRaw();

    const QString& path() const { return path_; }

  private:
    Failure<> failed(const QString& what, int error) const;

    QString path_;
    int recordLength_;
    int fd_ = -1;
    bool writable_ = false;
};

// A file's whole records as bytes, and its length, which a trailing partial record makes
// longer than the bytes.
struct RecordBytes {
    QByteArray bytes;
    qint64 fileLength = 0;
};

// Reads every whole record of a file, creating it empty when it does not exist.
Outcome<RecordBytes> readRecordBytes(const QString& path, int recordLength);

// The whole records of these bytes, in order.
template <class R>
std::vector<R> recordsOf(const QByteArray& bytes) {
    std::vector<R> out(static_cast<std::size_t>(bytes.size() / R::Length));
    const char* next = bytes.constData();
    for (R& record : out) {
        std::memcpy(record.data(), next, R::Length);
        next += R::Length;
    }
    return out;
}

// Reads every record of a file, creating it empty when it does not exist.
template <class R>
Outcome<std::vector<R>> readAllRecords(const QString& path) {
    const Outcome<RecordBytes> read = readRecordBytes(path, R::Length);
    if (!read.ok()) {
        return read.failure();
    }
    return recordsOf<R>(read.value().bytes);
}

// Position of the next appended record: file length / L + 1, rounded half to even when the
// length is not a whole number of records.
qint64 appendPosition(qint64 fileLength, int recordLength);

// Highest record number a thesaurus can give: the number is a signed 16-bit field.
constexpr qint64 kMaxRecordNumber = 32767;

// Numbers records by their positions (1, 2, ...), as every thesaurus and lexicon written by the
// program is numbered; false, and nothing numbered, when there are more than a 16-bit number
// can hold.
template <class R>
bool numberByPosition(std::vector<R>& recs) {
    if (static_cast<qint64>(recs.size()) > kMaxRecordNumber) {
        return false;
    }
    for (std::size_t i = 0; i < recs.size(); ++i) {
        recs[i].setNumber(static_cast<qint16>(i + 1));
    }
    return true;
}

// What a thesaurus file looks like: only whole 216-byte records, each numbered with its
// position, are the thesauri the program writes.
struct ThesaurusShape {
    qint64 length = 0;
    bool wholeRecords = true;
    bool numberedByPosition = true;

    bool isThesaurus() const { return wholeRecords && numberedByPosition; }
};
ThesaurusShape thesaurusShape(const QByteArray& bytes);
// The same, from a file's whole records and its length.
ThesaurusShape thesaurusShape(const QByteArray& wholeRecords, qint64 fileLength);

// Why a file is not taken for a thesaurus, in French; empty when it is one.
QString notAThesaurusReason(const QString& path, const ThesaurusShape& shape);

// Appends an analysis to a thesaurus file, numbering it with its position. Refuses a file that
// is not a thesaurus (a partial record at its end, or a last record not numbered with its
// position), and a position beyond the 16-bit record number, which would wrap and later be
// rewritten at a wrong place. A failed write leaves no partial record. Gives the position the
// record was written at.
Outcome<qint64> appendThesaurusRecord(const QString& path, ThesaurusRecord record);

// Replaces a file by these bytes: written completely beside it, then put in its place, or not
// at all (an old file stays as it was). A symbolic link is followed. A short write (a full
// disk) counts as a failure.
Outcome<void> replaceFile(const QString& path, const QByteArray& bytes);
// The same, the bytes written piece by piece as `next` gives them, until it gives an empty
// piece: a large file is never whole in memory.
using Pieces = std::function<QByteArray()>;
Outcome<void> replaceFile(const QString& path, const Pieces& next);

// Copies every whole record of one file into a new file at the same positions. The target is
// written completely or not at all: on failure it is left as it was.
Outcome<void> copyRecords(const QString& from, const QString& to, int recordLength);

// A full disk or a file-size limit must fail the write that meets it, not kill the program
// (SIGXFSZ): called once at start.
void reportFileSizeLimitAsWriteError();

}  // namespace records
