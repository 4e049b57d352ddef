#pragma once

#include "core/records/outcome.h"
#include "core/records/records.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <unordered_map>

// Reading the fields of many records at once, as the browsers load a whole file into their
// lists: straight from the file's bytes, and with equal texts shared rather than copied.
namespace records {

// What a reader keeps of a text field's padding.
enum class Padding { Kept, NoTrailing, NoLeading };

// The bytes of a text field of the record starting at `record`, without the padding dropped.
std::string_view fieldBytes(const char* record, Field field, Padding padding);
QString fieldText(const char* record, Field field, Padding padding);
// The signed 16-bit little-endian integer at that offset.
qint16 int16At(const char* record, int offset);

// The decoded texts of one column, one string for equal bytes: a file holds few distinct
// categories and features, and neighbouring records often share a lemma or a translation, so
// most entries share their text instead of holding a copy. Equal neighbours, the most common
// case, are found without a lookup. The bytes must outlive it.
class SharedTexts {
  public:
    SharedTexts();
    QString text(std::string_view bytes);

  private:
    std::unordered_map<std::string_view, QString> texts_;
    std::string_view lastBytes_;
    QString last_;
};

struct WholeFile {
    QByteArray bytes;
    qint64 count = 0;  // whole records in bytes
};

// Every whole record of a file. A missing file has none and is not created: an empty file left
// at a data file's place would hide the shipped copy.
Outcome<WholeFile> readExistingRecords(const QString& path, int recordLength);

}  // namespace records
