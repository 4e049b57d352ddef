#include "support/testenv.h"

#include "core/morphology/morphology.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

TestDataHome::TestDataHome() {
    // Open to other users, so that a check run unprivileged reaches the files inside.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("share"))));
    // The test programs do not run from where the data is shipped: they read the build's.
    analysis::useMorphologyDatabase(QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR))
                                        .filePath(analysis::MorphologyDatabase::kFileName));
}

bool TestDataHome::installShippedData() const {
    QDir().mkpath(records::paths::dataDir());
    for (const QString& name : {records::paths::kBaseThesaurusName, records::paths::kLexiconName}) {
        const QString target = QDir(records::paths::dataDir()).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(name), target)) {
            return false;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return true;
}

namespace {

void removeEntry(const QFileInfo& entry) {
    if (entry.isDir() && !entry.isSymLink()) {
        QFile::setPermissions(entry.filePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QDir dir(entry.filePath());
        for (const QFileInfo& inside : dir.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot)) {
            removeEntry(inside);
        }
        QDir().rmdir(entry.filePath());
    } else {
        QFile::remove(entry.filePath());
    }
}

}  // namespace

void TestDataHome::empty() const {
    for (const QFileInfo& entry : QDir(dir_.path())
                                      .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot)) {
        removeEntry(entry);
    }
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
}

bool runUnprivileged(const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
             setresuid(kNobody, kNobody, kNobody) != 0)) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool growThesaurus(const QString& path, qint64 count) {
    records::RecordFile file(path, records::ThesaurusRecord::Length);
    records::ThesaurusRecord last;
    last.setNumber(static_cast<qint16>(count));
    return file.open() && file.resize((count - 1) * records::ThesaurusRecord::Length) &&
           file.write(count, last);
}
