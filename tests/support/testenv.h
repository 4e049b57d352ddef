#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <functional>

// A private data folder for one test program: XDG_DATA_HOME points into a temporary folder,
// so that no test touches the user's files.
class TestDataHome {
  public:
    TestDataHome();
    QString path() const { return dir_.path(); }
    // A file name inside the temporary folder.
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Puts the shipped base thesaurus and lexicon in the data folder.
    bool installShippedData() const;
    // Removes everything inside the folder, files and folders a test made read-only included.
    void empty() const;

  private:
    QTemporaryDir dir_;
};

// Makes a thesaurus file `count` records long, as the program would have numbered it; only the
// last record is written (the rest stays sparse zeros).
bool growThesaurus(const QString& path, qint64 count);

// Writes bytes to a file, replacing it.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Files larger than this many bytes cannot be written while it lasts, as on a full disk: the
// write fails (the size signal is ignored, as the program ignores it).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

// Runs a check in a child process with the rights of an ordinary user (root's are dropped), so
// that file permissions hold; true when the check returned true.
bool runUnprivileged(const std::function<bool()>& check);
