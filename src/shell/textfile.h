#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace shell {

// Decodes a text file's bytes: UTF-8 when they are valid UTF-8 holding non-ASCII characters
// (with or without a byte-order mark), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);

struct TextFile {
    QString text;
    qint64 byteSize = 0;
};

// Reads a whole text file; nothing when it cannot be opened or read.
std::optional<TextFile> readTextFile(const QString& path);

}  // namespace shell
