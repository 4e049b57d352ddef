#pragma once

#include "core/records/outcome.h"

#include <QByteArray>
#include <QString>

namespace shell {

// Decodes a text file's bytes: UTF-8 when they are valid UTF-8 holding non-ASCII characters
// (the byte-order mark, if any, dropped once), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);

// The most a text may weigh: beyond it the program cannot hold it.
constexpr qint64 kMaxTextBytes = qint64(512) * 1024 * 1024;

// Why a text could not be read: the program tells a text too large to hold from one the system
// refuses to give.
enum class TextFailure { Unreadable, TooLarge };

struct TextFile {
    QString text;
    qint64 byteSize = 0;
};

using TextReading = records::Outcome<TextFile, TextFailure>;

// Reads a whole text file; a failure's message is the reason the system gave, in French.
TextReading readTextFile(const QString& path);

}  // namespace shell
