#pragma once

#include <QString>
#include <QTemporaryDir>

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

  private:
    QTemporaryDir dir_;
};

// Writes bytes to a file, replacing it.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
