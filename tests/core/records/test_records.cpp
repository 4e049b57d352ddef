#include "core/records/cp1252.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "core/records/records.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

using namespace records;

class TestRecords : public QObject {
    Q_OBJECT

  private slots:
    void thesaurusLayoutByteForByte();
    void analysisAndLexiconLayouts();
    void textFieldsArePaddedCutAndEncoded();
    void codePageRoundTripsEveryByte();
    void lowerCasingFollowsTheCodePage();
    void countIgnoresPartialRecords();
    void readAndWriteAtPositions();
    void appendNumbersRecordsByPosition();
    void appendPositionRoundsHalfToEven();
    void appendRefusesNumbersBeyondSixteenBits();
    void copyIsByteForByte();
    void replacingKeepsTheModeAndFollowsLinks();
    void failuresAreReported();
    void seedingCopiesShippedFilesOnce();
    void seedingFailsWhole();
    void fileSizeLimitFailsTheWriteOnly();
    void numberingStopsAtSixteenBits();
    void sizesAgreeInNumber();

  private:
    TestDataHome home_;
};

void TestRecords::thesaurusLayoutByteForByte() {
    ThesaurusRecord r;
    r.setNumber(-2);
    r.setForm(QStringLiteral("amo"));
    r.setCategory(QStringLiteral("V1"));
    r.setLemma(QStringLiteral("amo"));
    r.setCaseGenderNumber(QStringLiteral("1 sg."));
    r.setMoodTenseVoice(QStringLiteral("ind. prés. act."));
    r.setTranslation(QStringLiteral("aimer"));
    const QByteArray b = r.toBytes();
    QCOMPARE(b.size(), 216);
    QCOMPARE(b.left(2), QByteArray("\xFE\xFF", 2));
    QCOMPARE(b.mid(2, 30), QByteArray("amo").leftJustified(30, ' '));
    QCOMPARE(b.mid(32, 7), QByteArray("V1     "));
    QCOMPARE(b.mid(39, 50), QByteArray("amo").leftJustified(50, ' '));
    QCOMPARE(b.mid(89, 15), QByteArray("1 sg.").leftJustified(15, ' '));
    QCOMPARE(b.mid(104, 22), QByteArray("ind. pr\xE9s. act.").leftJustified(22, ' '));
    QCOMPARE(b.mid(126, 80), QByteArray("aimer").leftJustified(80, ' '));
    QCOMPARE(b.mid(206, 10), QByteArray(10, ' '));

    ThesaurusRecord back;
    QVERIFY(back.fromBytes(b));
    QCOMPARE(back.number(), qint16(-2));
    QCOMPARE(back.form(), QStringLiteral("amo") + QString(27, QLatin1Char(' ')));
    QCOMPARE(back.moodTenseVoice().trimmed(), QStringLiteral("ind. prés. act."));
    QVERIFY(!back.fromBytes(b.left(215)));
}

void TestRecords::analysisAndLexiconLayouts() {
    AnalysisRecord a;
    a.setForm(QStringLiteral("Gallia"));
    a.setTranslation(QStringLiteral("la Gaule"));
    a.setIndicator(QStringLiteral("*"));
    const QByteArray ab = a.toBytes();
    QCOMPARE(ab.size(), 218);
    QCOMPARE(ab.left(2), QByteArray(2, '\0'));
    QCOMPARE(ab.mid(2, 6), QByteArray("Gallia"));
    QCOMPARE(ab.mid(126, 8), QByteArray("la Gaule"));
    QCOMPARE(ab.mid(206, 2), QByteArray("* "));
    QCOMPARE(ab.mid(208, 10), QByteArray(10, ' '));

    LexiconRecord l;
    l.setNumber(300);
    l.setLemma(QStringLiteral("aqua"));
    l.setCategory(QStringLiteral("N1"));
    l.setTranslation(QStringLiteral("eau"));
    l.setFrenchFamily(QStringLiteral("aquatique"));
    l.setLatinFamily(QStringLiteral("aquaticus"));
    const QByteArray lb = l.toBytes();
    QCOMPARE(lb.size(), 323);
    QCOMPARE(lb.left(2), QByteArray("\x2C\x01", 2));
    QCOMPARE(lb.mid(2, 4), QByteArray("aqua"));
    QCOMPARE(lb.mid(72, 6), QByteArray("N1    "));
    QCOMPARE(lb.mid(78, 3), QByteArray("eau"));
    QCOMPARE(lb.mid(178, 9), QByteArray("aquatique"));
    QCOMPARE(lb.mid(248, 9), QByteArray("aquaticus"));
    QCOMPARE(lb.mid(318, 5), QByteArray(5, ' '));
}

void TestRecords::textFieldsArePaddedCutAndEncoded() {
    ThesaurusRecord r;
    const QString longForm = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFG");
    r.setForm(longForm);
    QCOMPARE(r.form(), longForm.left(30));
    r.setForm(QStringLiteral("éœ€"));
    QCOMPARE(r.toBytes().mid(2, 4), QByteArray("\xE9\x9C\x80 "));
    QCOMPARE(r.form().left(3), QStringLiteral("éœ€"));
    // A shorter value replaces the whole field, leaving no trace of the longer one.
    r.setLemma(QStringLiteral("dominus"));
    r.setLemma(QStringLiteral("is"));
    QCOMPARE(r.lemma(), QStringLiteral("is") + QString(48, QLatin1Char(' ')));
    // A character the code page lacks cannot be stored as itself.
    r.setTranslation(QStringLiteral("α"));
    QCOMPARE(r.toBytes().at(126), '?');
    QCOMPARE(trimmedRight(QStringLiteral("  a b  ")), QStringLiteral("  a b"));
    QCOMPARE(trimmedLeft(QStringLiteral("  a b  ")), QStringLiteral("a b  "));
}

void TestRecords::codePageRoundTripsEveryByte() {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) {
        all[i] = static_cast<char>(i);
    }
    const QString decoded = cp1252::decode(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(decoded.at(0x80), QChar(0x20AC));
    QCOMPARE(decoded.at(0x9C), QChar(0x0153));
    QCOMPARE(decoded.at(0xE6), QChar(0x00E6));
    QCOMPARE(cp1252::encode(decoded), all);
}

void TestRecords::lowerCasingFollowsTheCodePage() {
    QCOMPARE(cp1252::toLower(QStringLiteral("ROSA Æternus ÀÞ")), QStringLiteral("rosa æternus àþ"));
    // The multiplication sign and the letters outside the Latin-1 capitals stay as they are.
    QCOMPARE(cp1252::toLower(QStringLiteral("×ŒŠŸ")), QStringLiteral("×ŒŠŸ"));
}

void TestRecords::countIgnoresPartialRecords() {
    const QString path = home_.file(QStringLiteral("partial.dat"));
    for (const int size : {0, 215, 216, 431, 432}) {
        QVERIFY(writeFile(path, QByteArray(size, 'x')));
        RecordFile file(path, ThesaurusRecord::Length);
        QVERIFY(file.open());
        QCOMPARE(file.count(), size / 216);
        const Outcome<QByteArray> bytes = file.readAllRaw();
        QVERIFY(bytes.ok());
        QCOMPARE(bytes.value().size(), (size / 216) * 216);
        ThesaurusRecord r;
        QVERIFY(!file.read(size / 216 + 1, r));
    }
    QVERIFY(writeFile(path, QByteArray(216 + 100, ' ')));
    QCOMPARE(readAllRecords<ThesaurusRecord>(path).value().size(), std::size_t(1));
}

void TestRecords::readAndWriteAtPositions() {
    const QString path = home_.file(QStringLiteral("positions.dat"));
    QFile::remove(path);
    RecordFile file(path, AnalysisRecord::Length);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 0);
    AnalysisRecord a;
    a.setForm(QStringLiteral("arma"));
    AnalysisRecord b;
    b.setForm(QStringLiteral("virumque"));
    QVERIFY(file.write(1, a));
    QVERIFY(file.write(2, b));
    QVERIFY(file.write(1, b));  // in place
    QCOMPARE(file.count(), 2);
    AnalysisRecord got;
    QVERIFY(file.read(1, got));
    QCOMPARE(got, b);
    file.close();
    QCOMPARE(readFile(path).size(), 2 * 218);
    QVERIFY(!file.open() || !file.write(0, a));
}

void TestRecords::appendNumbersRecordsByPosition() {
    const QString path = home_.file(QStringLiteral("append.dat"));
    QFile::remove(path);
    ThesaurusRecord r;
    r.setForm(QStringLiteral("rosa"));
    const Outcome<qint64> first = appendThesaurusRecord(path, r);
    QVERIFY2(first.ok(), qPrintable(first.error()));
    QCOMPARE(first.value(), 1);
    QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 216);
    QCOMPARE(bytes.left(2), QByteArray("\x01\x00", 2));
    QCOMPARE(bytes.mid(2, 4), QByteArray("rosa"));

    const Outcome<qint64> second = appendThesaurusRecord(path, r);
    QCOMPARE(second.value(), 2);
    bytes = readFile(path);
    QCOMPARE(bytes.size(), 432);
    QCOMPARE(bytes.mid(216, 2), QByteArray("\x02\x00", 2));
}

void TestRecords::appendPositionRoundsHalfToEven() {
    QCOMPARE(appendPosition(0, 216), 1);
    QCOMPARE(appendPosition(215, 216), 2);
    QCOMPARE(appendPosition(107, 216), 1);
    QCOMPARE(appendPosition(109, 216), 2);
    QCOMPARE(appendPosition(108, 216), 2);        // 1.5 rounds to 2
    QCOMPARE(appendPosition(216 + 108, 216), 2);  // 2.5 rounds to 2
    QCOMPARE(appendPosition(432 + 108, 216), 4);  // 3.5 rounds to 4
}

void TestRecords::appendRefusesNumbersBeyondSixteenBits() {
    const QString path = home_.file(QStringLiteral("full.dat"));
    QFile::remove(path);
    QVERIFY(growThesaurus(path, 32766));
    ThesaurusRecord r;
    r.setForm(QStringLiteral("ultima"));
    const Outcome<qint64> last = appendThesaurusRecord(path, r);
    QVERIFY(last.ok());
    QCOMPARE(last.value(), 32767);
    QCOMPARE(readFile(path).mid(qint64(32766) * 216, 2), QByteArray("\xFF\x7F", 2));

    const Outcome<qint64> refused = appendThesaurusRecord(path, r);
    QVERIFY(!refused.ok());
    QVERIFY(refused.error().contains(QStringLiteral("32767")));
    QCOMPARE(QFileInfo(path).size(), qint64(32767) * 216);
}

void TestRecords::copyIsByteForByte() {
    const QString from = home_.file(QStringLiteral("base.dat"));
    const QString to = home_.file(QStringLiteral("copy.dat"));
    QByteArray bytes;
    for (int i = 0; i < 3 * 216; ++i) {
        bytes.append(static_cast<char>(i * 7));
    }
    QVERIFY(writeFile(from, bytes + QByteArray("tail")));
    QVERIFY(writeFile(to, QByteArray(5000, 'z')));
    QVERIFY(copyRecords(from, to, 216).ok());
    QCOMPARE(readFile(to), bytes);  // whole records only, nothing of the old file left

    // A missing source is created empty and copies nothing.
    const QString missing = home_.file(QStringLiteral("missing.dat"));
    QVERIFY(copyRecords(missing, to, 216).ok());
    QCOMPARE(readFile(to).size(), 0);
    QVERIFY(QFile::exists(missing));
}

// A thesaurus shared with a group, or kept elsewhere behind a link, stays so once rewritten.
void TestRecords::replacingKeepsTheModeAndFollowsLinks() {
    const auto modeOf = [](const QString& path) -> mode_t {
        struct stat status {};
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0
                   ? status.st_mode & (S_IFMT | 07777)
                   : 0;
    };
    const QString shared = home_.file(QStringLiteral("partage.dat"));
    QVERIFY(writeFile(shared, QByteArray("old")));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0640) == 0);
    QVERIFY(replaceFile(shared, QByteArray("new")).ok());
    QCOMPARE(readFile(shared), QByteArray("new"));
    QCOMPARE(modeOf(shared), mode_t(S_IFREG | 0640));

    // Through a link, then through a link to that link, each relative: the file at the end is
    // rewritten and the links stay links.
    QVERIFY(QDir(home_.path()).mkdir(QStringLiteral("liens")));
    const QString link = home_.file(QStringLiteral("liens/lien.dat"));
    const QString linkToLink = home_.file(QStringLiteral("lien2.dat"));
    QVERIFY(::symlink("../partage.dat", QFile::encodeName(link).constData()) == 0);
    QVERIFY(::symlink("liens/lien.dat", QFile::encodeName(linkToLink).constData()) == 0);
    for (const QString& path : {link, linkToLink}) {
        QVERIFY(replaceFile(path, QFile::encodeName(path)).ok());
        QCOMPARE(readFile(shared), QFile::encodeName(path));
        QCOMPARE(modeOf(shared), mode_t(S_IFREG | 0640));
        QCOMPARE(modeOf(link) & S_IFMT, mode_t(S_IFLNK));
        QCOMPARE(modeOf(linkToLink) & S_IFMT, mode_t(S_IFLNK));
    }
}

void TestRecords::failuresAreReported() {
    const QString nowhere = home_.file(QStringLiteral("no/such/folder/t.dat"));
    RecordFile file(nowhere, 216);
    const Outcome<void> opened = file.open();
    QVERIFY(!opened.ok());
    QVERIFY(opened.error().contains(QStringLiteral("Impossible d'ouvrir")));
    QVERIFY(!readAllRecords<ThesaurusRecord>(nowhere).ok());
    QVERIFY(!appendThesaurusRecord(nowhere, ThesaurusRecord()).ok());
    const Outcome<void> copied = copyRecords(home_.file(QStringLiteral("base.dat")), nowhere, 216);
    QVERIFY(!copied.ok());
    QVERIFY(!copied.error().isEmpty());

    // A full disk: the write fails and says so.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QVERIFY(!appendThesaurusRecord(QStringLiteral("/dev/full"), ThesaurusRecord()).ok());
    }

    // A read-only thesaurus can be read but not appended to, and stays as it was: checked with
    // the rights of an ordinary user, since root writes through file permissions.
    const QString readOnly = home_.file(QStringLiteral("readonly.dat"));
    ThesaurusRecord one;
    one.setNumber(1);
    QVERIFY(writeFile(readOnly, one.toBytes()));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(runUnprivileged([&] {
        const Outcome<qint64> append = appendThesaurusRecord(readOnly, ThesaurusRecord());
        return readAllRecords<ThesaurusRecord>(readOnly).value().size() == 1 && !append.ok() &&
               append.error().contains(QStringLiteral("protégé en écriture"));
    }));
    QCOMPARE(readFile(readOnly), one.toBytes());
}

void TestRecords::seedingCopiesShippedFilesOnce() {
    QVERIFY(paths::baseThesaurus().startsWith(home_.path()));
    QVERIFY(paths::baseThesaurus().endsWith(QStringLiteral("/morphologique/donnees.dat")));
    QVERIFY(paths::lexicon().endsWith(QStringLiteral("/morphologique/lexique.dat")));
    QFile::remove(paths::baseThesaurus());
    QFile::remove(paths::lexicon());

    const QStringList shipped = {QStringLiteral(MORPHO_BUILD_DATA_DIR)};
    QCOMPARE(paths::seedDataFiles(shipped).error(), QString());
    QCOMPARE(readFile(paths::lexicon()),
             readFile(QStringLiteral(MORPHO_BUILD_DATA_DIR "/lexique.dat")));
    QVERIFY(QFileInfo(paths::baseThesaurus()).isWritable());

    // A file already in place is the user's: it is never replaced.
    QVERIFY(writeFile(paths::baseThesaurus(), QByteArray("user's own")));
    QCOMPARE(paths::seedDataFiles(shipped).error(), QString());
    QCOMPARE(readFile(paths::baseThesaurus()), QByteArray("user's own"));

    // An empty file is what opening a missing record file leaves: it hides nothing of the user's
    // and is replaced by the shipped copy, at start as when a window restores it.
    QVERIFY(writeFile(paths::baseThesaurus(), QByteArray()));
    QCOMPARE(paths::seedDataFiles(shipped).error(), QString());
    QCOMPARE(readFile(paths::baseThesaurus()),
             readFile(QStringLiteral(MORPHO_BUILD_DATA_DIR "/donnees.dat")));
    QVERIFY(writeFile(paths::lexicon(), QByteArray()));
    QCOMPARE(paths::restoreDataFile(paths::kLexiconName, shipped).error(), QString());
    QVERIFY(QFileInfo(paths::lexicon()).size() > 0);

    QFile::remove(paths::lexicon());
    const QString failure = paths::seedDataFiles({home_.file(QStringLiteral("nowhere"))}).error();
    QVERIFY(failure.contains(QStringLiteral("lexique.dat")));
    QVERIFY(!failure.contains(QStringLiteral("donnees.dat livré")));
}

void TestRecords::seedingFailsWhole() {
    // An unwritable data folder: one message for both files, and no file left half-written.
    const QString shippedDir = home_.file(QStringLiteral("shipped"));
    QVERIFY(QDir().mkpath(shippedDir));
    QVERIFY(writeFile(shippedDir + QStringLiteral("/donnees.dat"), QByteArray(216, 'd')));
    QVERIFY(writeFile(shippedDir + QStringLiteral("/lexique.dat"), QByteArray(323, 'l')));
    QFile::remove(paths::baseThesaurus());
    QFile::remove(paths::lexicon());
    const QString dataDir = paths::dataDir();
    QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                       QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QVERIFY(runUnprivileged([&] {
        const QString failure = paths::seedDataFiles({shippedDir}).error();
        return failure.count(QStringLiteral("Permission refusée")) == 2 &&
               failure.startsWith(QStringLiteral("Les données du programme")) &&
               !QFileInfo::exists(paths::baseThesaurus()) &&
               QDir(dataDir).entryList(QDir::Files | QDir::Hidden).isEmpty();
    }));
    QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A full disk part-way: the copy is not left in place to pass for the user's own file.
    QVERIFY(writeFile(shippedDir + QStringLiteral("/donnees.dat"), QByteArray(20000, 'd')));
    {
        FileSizeLimit limit(10000);
        QVERIFY(paths::seedDataFiles({shippedDir}).error().contains(QStringLiteral("dépassée")));
    }
    QVERIFY(!QFileInfo::exists(paths::baseThesaurus()));
    QCOMPARE(QDir(dataDir).entryList(QDir::Files | QDir::Hidden), QStringList{"lexique.dat"});
}

// Under a file-size limit the system sends a signal that ends the process by default: the
// program ignores it, so that the write fails and is reported while the user's work lives on.
void TestRecords::fileSizeLimitFailsTheWriteOnly() {
    const QString path = home_.file(QStringLiteral("limite.dat"));
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);  // as a program starts
        reportFileSizeLimitAsWriteError();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome<void> written = replaceFile(path, QByteArray(5000, 'x'));
        _exit(!written.ok() && written.error().contains(QStringLiteral("dépassée")) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(!WIFSIGNALED(status), "killed by the file-size signal");
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(!QFileInfo::exists(path));
}

// Every file the tools write is numbered by one function, which refuses what a 16-bit number
// cannot hold rather than wrapping round to negative numbers.
void TestRecords::numberingStopsAtSixteenBits() {
    std::vector<ThesaurusRecord> recs(32767);
    QVERIFY(numberByPosition(recs));
    QCOMPARE(recs.front().number(), qint16(1));
    QCOMPARE(recs.back().number(), qint16(32767));
    recs.emplace_back();
    recs.front().setNumber(0);
    QVERIFY(!numberByPosition(recs));
    QCOMPARE(recs.front().number(), qint16(0));  // nothing numbered
}

// "1 octet", never "1 octets", in the messages about files that are not thesauri.
void TestRecords::sizesAgreeInNumber() {
    QCOMPARE(records::byteCount(0), QStringLiteral("0 octet"));
    QCOMPARE(records::byteCount(1), QStringLiteral("1 octet"));
    QCOMPARE(records::byteCount(217), QStringLiteral("217 octets"));
    ThesaurusShape shape = thesaurusShape(QByteArray(1, 'x'));
    QVERIFY(notAThesaurusReason(QStringLiteral("x.dat"), shape).contains("(1 octet)"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
