#include "core/records/fieldtexts.h"

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"

#include <QFileInfo>

namespace records {

std::string_view fieldBytes(const char* record, Field field, Padding padding) {
    const char* begin = record + field.offset;
    const char* end = begin + field.width;
    if (padding == Padding::NoTrailing) {
        while (end > begin && end[-1] == ' ') {
            --end;
        }
    } else if (padding == Padding::NoLeading) {
        while (begin < end && *begin == ' ') {
            ++begin;
        }
    }
    return {begin, static_cast<std::size_t>(end - begin)};
}

QString fieldText(const char* record, Field field, Padding padding) {
    const std::string_view bytes = fieldBytes(record, field, padding);
    return cp1252::decode(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

qint16 int16At(const char* record, int offset) {
    const auto low = static_cast<unsigned char>(record[offset]);
    const auto high = static_cast<unsigned char>(record[offset + 1]);
    return static_cast<qint16>(low | high << 8);
}

SharedTexts::SharedTexts() {
    texts_.reserve(4096);
}

QString SharedTexts::text(std::string_view bytes) {
    if (!last_.isNull() && bytes == lastBytes_) {
        return last_;
    }
    auto [it, added] = texts_.try_emplace(bytes);
    if (added) {
        it->second = cp1252::decode(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    lastBytes_ = bytes;
    last_ = it->second;
    return last_;
}

Outcome<WholeFile> readExistingRecords(const QString& path, int recordLength) {
    if (!QFileInfo::exists(path)) {
        return WholeFile{};
    }
    Outcome<RecordBytes> read = readRecordBytes(path, recordLength);
    if (!read.ok()) {
        return read.failure();
    }
    WholeFile whole{std::move(read.value().bytes), 0};
    whole.count = whole.bytes.size() / recordLength;
    return whole;
}

}  // namespace records
