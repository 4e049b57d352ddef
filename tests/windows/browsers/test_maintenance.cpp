#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/browsers/Thesaurusmodification.h"
#include "windows/browsers/frmrecherche02.h"
#include "windows/keypads/keypadwindow.h"
#include "windows/shell/Morphologique.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

using thesaurus::frmrecherche02;
using thesaurus::Thesaurusmodification;

namespace {

// Not in any order; four forms begin with "a".
const std::vector<Analysis> kMine = {
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"amo", "V1", "amo", "1 sg.", "ind. prés. act.", "aimer"},
    {"arma", "N2", "arma", "nom. n. pl.", "_", "les armes"},
    {"Amor", "N3", "amor", "nom. m. sg.", "_", "l'amour"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
    {"amor", "V1", "amo", "1 sg.", "ind. prés. pass.", "je suis aimé"},
};

QByteArray recordBytes(const QString& path, int number) {
    return readFile(path).mid((number - 1) * 216, 216);
}

QStringList forms(const ui::ResultBrowser* b) {
    QStringList texts;
    for (int r = 1; r < drive::resultGrid(b)->rows(); ++r) {
        texts << drive::resultGrid(b)->textAt(r, 0);
    }
    return texts;
}

// Runs `act` on the window of that name once it shows, from inside its modal loop.
void whenShown(const QString& name, const std::function<void(QWidget*)>& act) {
    drive::insideModalLoop([name, act] {
        QWidget* window = ui::Forms::instance().find(name);
        QVERIFY(window && window->isVisible() && window->isModal());
        act(window);
    });
}

void whenModificationShown(const std::function<void(Thesaurusmodification*)>& act) {
    whenShown(QStringLiteral("Thesaurusmodification"),
              [act](QWidget* w) { act(qobject_cast<Thesaurusmodification*>(w)); });
}

// Another program rewrites one record of the file in place.
void changeOnDisk(const QString& path, int number, const Analysis& analysis) {
    QByteArray bytes = readFile(path);
    bytes.replace((number - 1) * 216, 216,
                  thesaurusRecord(analysis, static_cast<qint16>(number)).toBytes());
    QVERIFY(writeFile(path, bytes));
}

records::ThesaurusRecord recordAt(const QString& path, int number) {
    records::ThesaurusRecord record;
    record.fromBytes(recordBytes(path, number));
    return record;
}

}  // namespace

class TestMaintenance : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void deletingRowTwoOfFour();
    void deletingTheOnlyRowThenNothingIsSelected();
    void modificationRewritesInPlace();
    void modificationKeypadsAndCharts();
    void leavingWithoutSavingWritesNothing();
    void failedWritesChangeNothing();
    void replacedFileIsNotWritten();
    void recordChangedOnDiskIsNeitherModifiedNorDeleted();
    void deletedRecordsAreNeverListedNorModified();
    void modificationAsksBeforeCuttingAndShowsWhatIsStored();
    void modificationKeepsTheDuplicateRule();
    void modificationFieldsHoldOneLine();
    void modificationKeyboard();
    void modifyingTheEmptyRowExplains();
    void modificationWindowTakesItsEntryAndAnswersBySignal();

  private:
    frmrecherche02* openMine();
    void deleteRow(frmrecherche02* b, int row, ui::Answer answer = ui::Answer::Yes);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestMaintenance::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    mine_ = home_.file(QStringLiteral("mien.dat"));
    QFile::setPermissions(mine_, QFile::ReadOwner | QFile::WriteOwner);
    writeThesaurus(mine_, kMine);
    drive::mainWindowWithText(QString());
}

void TestMaintenance::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmrecherche02* TestMaintenance::openMine() {
    platform_->fileNames.push_back(mine_);
    drive::action(ui::Forms::instance().find<shell::Morphologique>(), "thesaurusautre")->trigger();
    return ui::Forms::instance().find<frmrecherche02>();
}

void TestMaintenance::deleteRow(frmrecherche02* b, int row, ui::Answer answer) {
    drive::clickRow(drive::resultGrid(b), row);
    platform_->answers.push_back(answer);
    drive::button(b, "Command2")->click();
}

void TestMaintenance::deletingRowTwoOfFour() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    QCOMPARE(forms(b), (QStringList{"amo", "arma", "Amor", "amor", ""}));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 3, 4, 6}));
    const QByteArray before = readFile(mine_);
    const QStringList third = drive::rowCells(drive::resultGrid(b), 3);

    deleteRow(b, 2);
    QCOMPARE(platform_->messages.size(), 1);
    const FakePlatform::Message& question = platform_->messages[0];
    QCOMPARE(question.text, QStringLiteral("Désirez-vous vraiment supprimer cette forme?\r\n"));
    QCOMPARE(question.title, QStringLiteral("Suppression d'une forme"));
    QCOMPARE(question.buttons, ui::Buttons::YesNo);

    QCOMPARE(readFile(mine_).size(), before.size());
    const QByteArray marker = QByteArray("\x03\x00", 2) + QByteArray("$$$").leftJustified(30) +
                              QByteArray("_").leftJustified(7) + QByteArray("_").leftJustified(50) +
                              QByteArray("_").leftJustified(15) +
                              QByteArray("_").leftJustified(22) +
                              QByteArray("_").leftJustified(80) + QByteArray(10, ' ');
    QCOMPARE(recordBytes(mine_, 3), marker);
    QCOMPARE(readFile(mine_).left(432), before.left(432));
    QCOMPARE(readFile(mine_).mid(648), before.mid(648));

    // Rows 3 and 4 moved up, the record numbers with them; the row left empty is dropped.
    QCOMPARE(forms(b), (QStringList{"amo", "Amor", "amor", ""}));
    QCOMPARE(drive::rowCells(drive::resultGrid(b), 2), third);
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 4, 6}));
    // The view follows: the form is the row's header, the row left empty has nothing in it.
    const QAbstractItemModel* shown = drive::resultGrid(b)->view()->model();
    QCOMPARE(shown->rowCount(), 4);
    QCOMPARE(shown->headerData(1, Qt::Vertical).toString(), QStringLiteral("Amor"));
    QCOMPARE(shown->headerData(3, Qt::Vertical).toString(), QString());
    QCOMPARE(shown->headerData(1, Qt::Vertical, Qt::FontRole).value<QFont>().bold(), true);
    QCOMPARE(b->lists().forms[2], QStringLiteral("$$$"));
    QCOMPARE(b->lists().lemmas[2], QStringLiteral("_").leftJustified(50));

    // The entry now shown in row 2 is the one a second deletion takes.
    deleteRow(b, 2);
    QCOMPARE(recordBytes(mine_, 4).mid(2, 3), QByteArray("$$$"));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 6}));

    // The deletion markers are no entries: a search for them finds nothing.
    drive::lineField(b, "Text1")->setText(QStringLiteral("$$$"));
    drive::button(b, "Command1")->click();
    QVERIFY(drive::resultGrid(b)->isHidden());
    QVERIFY(b->listedRecordNumbers().empty());
    drive::letterItem(b, 0)->trigger();
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 6}));
}

void TestMaintenance::deletingTheOnlyRowThenNothingIsSelected() {
    frmrecherche02* b = openMine();
    drive::lineField(b, "Text1")->setText(QStringLiteral("cano"));
    drive::button(b, "Command1")->click();
    // Nothing clicked since the listing: nothing is taken for the user's choice.
    drive::button(b, "Command2")->click();
    QCOMPARE(platform_->messageTexts(),
             QStringList{"Aucun élément de la grille n'est sélectionné"});

    const QByteArray before = readFile(mine_);
    deleteRow(b, 1, ui::Answer::No);
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(forms(b), (QStringList{"cano", ""}));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{5}));
    QCOMPARE(b->lists().forms[4], QStringLiteral("cano"));

    deleteRow(b, 1);
    QVERIFY(drive::resultGrid(b)->isVisible());
    QCOMPARE(forms(b), QStringList{""});
    QVERIFY(b->listedRecordNumbers().empty());
    platform_->messages.clear();
    drive::button(b, "Command2")->click();
    QCOMPARE(platform_->messageTexts(),
             QStringList{"Aucun élément de la grille n'est sélectionné"});
    drive::button(b, "Command3")->click();  // nothing to modify: no window, no message
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));

    // While the result message shows, both commands do nothing.
    drive::lineField(b, "Text1")->setText(QStringLiteral("nihil"));
    drive::button(b, "Command1")->click();
    platform_->messages.clear();
    drive::button(b, "Command2")->click();
    drive::button(b, "Command3")->click();
    QVERIFY(platform_->messages.isEmpty());
}

void TestMaintenance::modificationRewritesInPlace() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    drive::clickRow(drive::resultGrid(b), 3);
    const QString longTranslation = QString(85, u'x');
    whenModificationShown([&](Thesaurusmodification* m) {
        QCOMPARE(m->windowTitle(), QStringLiteral("Vorante Lumivexa - Modification du Thesaurus"));
        QCOMPARE(drive::lineField(m, "Text1")->text(), QStringLiteral("Amor"));
        QVERIFY(!drive::lineField(m, "Text1")->isEnabled());
        QCOMPARE(drive::textField(m, "Text2")->toPlainText(), QStringLiteral("amor"));
        QCOMPARE(drive::textField(m, "Text3")->toPlainText(), QStringLiteral("l'amour"));
        QCOMPARE(drive::textField(m, "Text4")->toPlainText(), QStringLiteral("N3"));
        QCOMPARE(drive::textField(m, "Text5")->toPlainText(), QStringLiteral("nom. m. sg."));
        QCOMPARE(drive::textField(m, "Text6")->toPlainText(), QStringLiteral("_"));
        QCOMPARE(drive::lineField(m, "Text7")->text(), QStringLiteral("4"));
        QVERIFY(drive::lineField(m, "Text7")->isHidden());
        drive::textField(m, "Text2")->setPlainText(QString());
        drive::textField(m, "Text3")->setPlainText(longTranslation);
        drive::textField(m, "Text5")->setPlainText(QStringLiteral("voc. m. sg."));
        drive::button(m, "Command2")->click();
    });
    const QByteArray before = readFile(mine_);
    platform_->answers.push_back(ui::Answer::Yes);  // store the translation cut
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("coupé après 80 caractères")));

    QCOMPARE(readFile(mine_).size(), before.size());
    records::ThesaurusRecord expected;
    expected.setNumber(4);
    expected.setAnalysis(QStringLiteral("Amor"), QStringLiteral("N3"), QString(),
                         QStringLiteral("voc. m. sg."), QStringLiteral("_"), longTranslation);
    QCOMPARE(recordBytes(mine_, 4), expected.toBytes());
    QCOMPARE(recordBytes(mine_, 4).mid(126, 80), QByteArray(80, 'x'));
    QCOMPARE(readFile(mine_).left(648), before.left(648));
    // The row shows what the file holds, without trailing spaces, as the lists; the record numbers
    // stay.
    QCOMPARE(drive::resultGrid(b)->textAt(3, 2), QString(80, u'x'));
    QCOMPARE(drive::resultGrid(b)->textAt(3, 1), QString());
    QCOMPARE(b->lists().translations[3], QString(80, u'x'));
    QCOMPARE(b->lists().caseGenderNumbers[3], QStringLiteral("voc. m. sg.").leftJustified(15));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 3, 4, 6}));

    // Deleting the same row afterwards marks the same record.
    deleteRow(b, 3);
    QCOMPARE(recordBytes(mine_, 4).mid(0, 5), QByteArray("\x04\x00$$$", 5));
}

void TestMaintenance::modificationKeypadsAndCharts() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 2)->trigger();
    drive::clickRow(drive::resultGrid(b), 1);
    whenModificationShown([](Thesaurusmodification* m) {
        whenShown(QStringLiteral("pave02_a2"), [](QWidget* w) {
            auto* k = qobject_cast<keypads::KeypadWindow*>(w);
            for (const char* option : {"Option10", "Option8"}) {
                QTest::mouseClick(k->option(QLatin1String(option)), Qt::LeftButton, {},
                                  QPoint(4, 4));
            }
            k->findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // "OK"
        });
        drive::button(m, "Command1_b")->click();
        QCOMPARE(drive::textField(m, "Text4")->toPlainText(), QStringLiteral("A1"));
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave02_a2")));

        whenShown(QStringLiteral("pave02"), [](QWidget* w) { w->close(); });
        drive::button(m, "Command5")->click();
        whenShown(QStringLiteral("pave03"), [](QWidget* w) { w->close(); });
        drive::button(m, "Command6")->click();

        // Closing the window closes a keypad still open over it, writing nothing.
        whenShown(QStringLiteral("pave03_b2"),
                  [m](QWidget*) { drive::action(m, "quitter")->trigger(); });
        drive::button(m, "Command4")->click();
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave03_b2")));
    });
    const QByteArray before = readFile(mine_);
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(records::trimmedRight(drive::resultGrid(b)->textAt(1, 3)), QStringLiteral("V3"));
}

void TestMaintenance::leavingWithoutSavingWritesNothing() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 17)->trigger();  // "r": rosa
    drive::clickRow(drive::resultGrid(b), 1);
    const QByteArray before = readFile(mine_);
    const QStringList row = drive::rowCells(drive::resultGrid(b), 1);
    const std::vector<std::function<void(Thesaurusmodification*)>> leaves = {
        [](Thesaurusmodification* m) { drive::button(m, "Command1")->click(); },
        [](Thesaurusmodification* m) { drive::action(m, "quitter")->trigger(); },
        [](Thesaurusmodification* m) { m->close(); },
    };
    for (const auto& leave : leaves) {
        whenModificationShown([&leave](Thesaurusmodification* m) {
            drive::textField(m, "Text2")->setPlainText(QStringLiteral("changé"));
            leave(m);
        });
        drive::button(b, "Command3")->click();
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
        QCOMPARE(readFile(mine_), before);
        QCOMPARE(drive::rowCells(drive::resultGrid(b), 1), row);
    }
    QVERIFY(platform_->messages.isEmpty());
}

void TestMaintenance::failedWritesChangeNothing() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    const QByteArray before = readFile(mine_);
    const QStringList rows = forms(b);
    {
        // The write of record 3 is cut short 50 bytes in, as on a full disk.
        FileSizeLimit limit(2 * 216 + 50);
        deleteRow(b, 2);
    }
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messages.size(), 2);
    QCOMPARE(platform_->messages[1].title, QStringLiteral("Suppression impossible"));
    QVERIFY(platform_->messages[1].text.contains(QStringLiteral("dépassée")));
    QVERIFY(platform_->messages[1].text.endsWith(QStringLiteral("n'a pas été supprimée.")));
    QCOMPARE(forms(b), rows);
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 3, 4, 6}));
    QCOMPARE(b->lists().forms[2], QStringLiteral("arma"));

    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text3")->setPlainText(QStringLiteral("les armes de guerre"));
        {
            FileSizeLimit limit(2 * 216 + 150);
            drive::button(m, "Command2")->click();
        }
        // The window stays open with what was typed.
        QVERIFY(m->isVisible());
        QCOMPARE(drive::textField(m, "Text3")->toPlainText(),
                 QStringLiteral("les armes de guerre"));
        drive::button(m, "Command1")->click();
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messages.last().title, QStringLiteral("Modification impossible"));
    QCOMPARE(records::trimmedRight(drive::resultGrid(b)->textAt(2, 2)),
             QStringLiteral("les armes"));

    // A thesaurus the user may read but not write.
    QFile::setPermissions(mine_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(runUnprivileged([&] {
        deleteRow(b, 1);
        return platform_->messages.last().text.contains(QStringLiteral("protégé en écriture")) &&
               b->listedRecordNumbers().size() == 4 && forms(b) == rows;
    }));
    QCOMPARE(readFile(mine_), before);
}

void TestMaintenance::replacedFileIsNotWritten() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    // Another thesaurus created meanwhile under the same name.
    const std::vector<Analysis> other = {kMine[4], kMine[0], kMine[1]};
    writeThesaurus(mine_, other);
    const QByteArray replaced = readFile(mine_);
    deleteRow(b, 1);  // "amo", record 2: now "rosa" there
    QCOMPARE(readFile(mine_), replaced);
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("a changé depuis sa lecture")));
    QCOMPARE(b->lists().forms, (std::vector<QString>{"cano", "rosa", "amo"}));
    // Listed again from the new file: "amo" is now record 3.
    QCOMPARE(forms(b), (QStringList{"amo", ""}));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{3}));

    drive::clickRow(drive::resultGrid(b), 1);
    QFile::remove(mine_);
    whenModificationShown([](Thesaurusmodification* m) {
        drive::button(m, "Command2")->click();
        QVERIFY(m->isVisible());
        drive::button(m, "Command1")->click();
    });
    drive::button(b, "Command3")->click();
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("introuvable")));
    QVERIFY(!QFileInfo::exists(mine_));
    QCOMPARE(b->lists().size(), qint64(0));
}

void TestMaintenance::recordChangedOnDiskIsNeitherModifiedNorDeleted() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    drive::clickRow(drive::resultGrid(b), 3);  // "Amor", record 4
    changeOnDisk(mine_, 4, {"Amor", "N3", "amor", "nom. m. sg.", "_", "l'Amour, le dieu"});
    const QByteArray changed = readFile(mine_);
    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text5")->setPlainText(QStringLiteral("voc. m. sg."));
        drive::button(m, "Command2")->click();
        // Typed over an entry that is gone: the window closes, the browser shows the file.
        QVERIFY(!m->isVisible());
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), changed);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Modification impossible"));
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("a changé depuis sa lecture")));
    QCOMPARE(records::trimmedRight(drive::resultGrid(b)->textAt(3, 2)),
             QStringLiteral("l'Amour, le dieu"));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{2, 3, 4, 6}));

    // Same form, another analysis: the deletion would remove what the user never saw.
    drive::lineField(b, "Text1")->setText(QStringLiteral("rosa"));
    drive::button(b, "Command1")->click();
    changeOnDisk(mine_, 1, {"rosa", "N1", "rosa", "abl. f. sg.", "_", "par la rose"});
    const QByteArray changedAgain = readFile(mine_);
    deleteRow(b, 1);
    QCOMPARE(readFile(mine_), changedAgain);
    QCOMPARE(platform_->messages.last().title, QStringLiteral("Suppression impossible"));
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("a changé depuis sa lecture")));
    // Listed again: the row shows the record as it is now, and can then be deleted.
    QCOMPARE(records::trimmedRight(drive::resultGrid(b)->textAt(1, 4)),
             QStringLiteral("abl. f. sg."));
    deleteRow(b, 1);
    QCOMPARE(recordBytes(mine_, 1).mid(2, 3), QByteArray("$$$"));
}

void TestMaintenance::deletedRecordsAreNeverListedNorModified() {
    frmrecherche02* b = openMine();
    drive::lineField(b, "Text1")->setText(QStringLiteral("cano"));
    drive::button(b, "Command1")->click();
    deleteRow(b, 1);
    for (const QString& text : {QStringLiteral("$$$"), QStringLiteral("cano")}) {
        drive::lineField(b, "Text1")->setText(text);
        drive::button(b, "Command1")->click();
        QVERIFY(drive::resultGrid(b)->isHidden());
        QVERIFY(b->listedRecordNumbers().empty());
    }

    // A record deleted by another program after it was listed is not written into.
    drive::letterItem(b, 17)->trigger();  // "rosa", record 1
    drive::clickRow(drive::resultGrid(b), 1);
    QByteArray bytes = readFile(mine_);
    bytes.replace(0, 216, recordBytes(mine_, 5));
    bytes[0] = 1;  // the marker, numbered 1
    QVERIFY(writeFile(mine_, bytes));
    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text2")->setPlainText(QStringLiteral("rosa rosae"));
        drive::button(m, "Command2")->click();
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), bytes);
    QVERIFY(drive::resultGrid(b)->isHidden());
}

void TestMaintenance::modificationAsksBeforeCuttingAndShowsWhatIsStored() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 17)->trigger();
    drive::clickRow(drive::resultGrid(b), 1);
    const QByteArray before = readFile(mine_);
    const QString lemma = QString(66, u'r');
    const QString translation = QStringLiteral("la rose — λόγος 🌹 œuvre");
    auto type = [&](Thesaurusmodification* m) {
        drive::textField(m, "Text2")->setPlainText(lemma);
        drive::textField(m, "Text3")->setPlainText(translation);
        drive::button(m, "Command2")->click();
    };
    platform_->answers.push_back(ui::Answer::No);
    whenModificationShown([&](Thesaurusmodification* m) {
        type(m);
        QVERIFY(m->isVisible());  // answered No: nothing written, the text stays to be shortened
        QCOMPARE(drive::textField(m, "Text2")->toPlainText(), lemma);
        drive::button(m, "Command1")->click();
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messages.size(), 1);
    const FakePlatform::Message& question = platform_->messages[0];
    QCOMPARE(question.title, QStringLiteral("Enregistrement dans le Thesaurus"));
    QCOMPARE(question.buttons, ui::Buttons::YesNo);
    QVERIFY(question.text.contains(QStringLiteral("Lemme : coupé après 50 caractères")));
    QVERIFY(question.text.contains(
        QStringLiteral("Traduction : caractères non enregistrables remplacés par « ? »")));
    QVERIFY(question.text.endsWith(QStringLiteral("Enregistrer l'analyse quand même ?")));

    platform_->answers.push_back(ui::Answer::Yes);
    whenModificationShown(type);
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    const records::ThesaurusRecord stored = recordAt(mine_, 1);
    QCOMPARE(stored.lemma(), QString(50, u'r'));
    QVERIFY(!stored.translation().contains(u'λ'));
    // The row shows what the file holds, not what was typed.
    QCOMPARE(drive::resultGrid(b)->textAt(1, 1), QString(50, u'r'));
    QCOMPARE(drive::resultGrid(b)->textAt(1, 2), records::trimmedRight(stored.translation()));
    QVERIFY(drive::resultGrid(b)->textAt(1, 2).startsWith(QStringLiteral("la rose — ?")));
    QVERIFY(drive::resultGrid(b)->textAt(1, 2).endsWith(QStringLiteral(" œuvre")));
}

void TestMaintenance::modificationKeepsTheDuplicateRule() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    drive::clickRow(drive::resultGrid(b), 4);  // "amor", the verb, record 6
    const QByteArray before = readFile(mine_);
    // Into a copy of record 4 "Amor", lemma in capitals and a trailing space: refused.
    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text2")->setPlainText(QStringLiteral("AMOR "));
        drive::textField(m, "Text3")->setPlainText(QStringLiteral("l'amour"));
        drive::textField(m, "Text4")->setPlainText(QStringLiteral("N3"));
        drive::textField(m, "Text5")->setPlainText(QStringLiteral("nom. m. sg."));
        drive::textField(m, "Text6")->setPlainText(QStringLiteral("_"));
        drive::button(m, "Command2")->click();
        QVERIFY(m->isVisible());
        drive::button(m, "Command1")->click();
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messageTexts(),
             QStringList{"FORME (+ analyses) déjà présente dans le Thesaurus."});
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Analyse existante"));

    // Saved unchanged, an entry is no copy of itself.
    whenModificationShown([](Thesaurusmodification* m) { drive::button(m, "Command2")->click(); });
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(readFile(mine_), before);
}

void TestMaintenance::modificationFieldsHoldOneLine() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 17)->trigger();
    drive::clickRow(drive::resultGrid(b), 1);
    whenModificationShown([](Thesaurusmodification* m) {
        auto* clip = new QMimeData;
        clip->setText(QStringLiteral("par la\nrose\r\nrouge\tvive"));
        QGuiApplication::clipboard()->setMimeData(clip);
        drive::textField(m, "Text3")->selectAll();
        drive::textField(m, "Text3")->paste();
        QCOMPARE(drive::textField(m, "Text3")->toPlainText(),
                 QStringLiteral("par la rose rouge vive"));
        // A line break set by a program is not stored either.
        drive::textField(m, "Text4")->setPlainText(QStringLiteral("N1\n"));
        drive::textField(m, "Text2")->setFocus();
        drive::textField(m, "Text2")->moveCursor(QTextCursor::End);
        QTest::keyClicks(drive::textField(m, "Text2"), QStringLiteral("e"));
        QTest::keyClick(drive::textField(m, "Text2"), Qt::Key_Return);  // validates
    });
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    const QByteArray record = recordBytes(mine_, 1);
    QVERIFY(!record.contains('\n'));
    QVERIFY(!record.contains('\t'));
    QCOMPARE(recordAt(mine_, 1).lemma().trimmed(), QStringLiteral("rosae"));
    QCOMPARE(recordAt(mine_, 1).translation().trimmed(), QStringLiteral("par la rose rouge vive"));
    QCOMPARE(recordAt(mine_, 1).category(), QStringLiteral("N1     "));
}

void TestMaintenance::modificationKeyboard() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 17)->trigger();
    drive::clickRow(drive::resultGrid(b), 1);
    const QByteArray before = readFile(mine_);
    whenModificationShown([](Thesaurusmodification* m) {
        // A failed check returns at once: the window must not stay open over the test.
        const auto leave = qScopeGuard([m] { m->close(); });
        QCOMPARE(m->focusWidget(), static_cast<QWidget*>(drive::textField(m, "Text2")));
        // Tab follows the fields down, each keypad button after its field, then the buttons.
        QStringList order;
        QWidget* w = drive::textField(m, "Text2");
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(m) && w->isEnabled()) {
                order << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != drive::textField(m, "Text2"));
        QCOMPARE(order,
                 (QStringList{"Text2", "Text3", "Text4", "Command1_b", "Text5", "Command3", "Text6",
                              "Command4", "Command5", "Command6", "Command2", "Command1"}));
        QCOMPARE(drive::button(m, "Command2")->text(), QStringLiteral("&Enregistrer"));
        QCOMPARE(drive::button(m, "Command2")->accessibleName(), QStringLiteral("Enregistrer"));
        QCOMPARE(drive::button(m, "Command1")->text(), QStringLiteral("A&nnuler"));
        QCOMPARE(drive::button(m, "Command1")->accessibleName(), QStringLiteral("Annuler"));
        drive::textField(m, "Text2")->setPlainText(QStringLiteral("changé"));
        QTest::keyClick(drive::textField(m, "Text2"), Qt::Key_Escape);
        QVERIFY(!m->isVisible());
    });
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(readFile(mine_), before);

    // Enter on a button presses it; in a field it saves.
    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text3")->setPlainText(QStringLiteral("la rose rouge"));
        drive::button(m, "Command1")->setFocus();
        QTest::keyClick(drive::button(m, "Command1"), Qt::Key_Return);
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(readFile(mine_), before);
    whenModificationShown([](Thesaurusmodification* m) {
        drive::textField(m, "Text3")->setPlainText(QStringLiteral("la rose rouge"));
        QTest::keyClick(drive::textField(m, "Text6"), Qt::Key_Enter);
    });
    drive::button(b, "Command3")->click();
    QCOMPARE(recordAt(mine_, 1).translation().trimmed(), QStringLiteral("la rose rouge"));
    QVERIFY(platform_->messages.isEmpty());
}

void TestMaintenance::modifyingTheEmptyRowExplains() {
    frmrecherche02* b = openMine();
    drive::letterItem(b, 0)->trigger();
    drive::clickRow(drive::resultGrid(b), 5);  // the empty row after the four entries
    drive::button(b, "Command3")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(platform_->messageTexts(),
             QStringList{"Aucun élément de la grille n'est sélectionné"});
}

// Without any browser: the window shows the entry it was given and hands back what was typed,
// leaving the write and its own closing to whoever opened it.
void TestMaintenance::modificationWindowTakesItsEntryAndAnswersBySignal() {
    const thesaurus::ResultRow entry{
        {QStringLiteral("Amor"), QStringLiteral("amor").leftJustified(50),
         QStringLiteral("l'amour"), QStringLiteral("N3     "), QStringLiteral("nom. m. sg."),
         QStringLiteral("_")},
        4,
        QByteArray(216, 'x')};
    auto* m = ui::Forms::instance().load<Thesaurusmodification>(
        ui::Forms::nameOf<Thesaurusmodification>(),
        [&entry] { return new Thesaurusmodification(entry); });
    const auto leave = qScopeGuard([m] { m->unload(); });
    std::vector<std::pair<thesaurus::ResultRow, analysis::DetailFields>> edits;
    connect(m, &Thesaurusmodification::edited, this,
            [&edits](const thesaurus::ResultRow& e, const analysis::DetailFields& values) {
                edits.emplace_back(e, values);
            });
    QCOMPARE(drive::lineField(m, "Text1")->text(), QStringLiteral("Amor"));
    QCOMPARE(drive::textField(m, "Text2")->toPlainText(), QStringLiteral("amor"));
    QCOMPARE(drive::textField(m, "Text4")->toPlainText(), QStringLiteral("N3"));
    QCOMPARE(drive::lineField(m, "Text7")->text(), QStringLiteral("4"));

    drive::textField(m, "Text3")->setPlainText(QStringLiteral("l'amour divin"));
    drive::button(m, "Command2")->click();
    QCOMPARE(edits.size(), std::size_t(1));
    QCOMPARE(edits[0].first.recordNumber, thesaurus::RecordNumber(4));
    QCOMPARE(edits[0].first.listed, entry.listed);
    const analysis::DetailFields& typed = edits[0].second;
    QCOMPARE(typed.form, QStringLiteral("Amor"));
    QCOMPARE(typed.lemma, QStringLiteral("amor"));
    QCOMPARE(typed.translation, QStringLiteral("l'amour divin"));
    QCOMPARE(typed.category, QStringLiteral("N3"));
    QCOMPARE(typed.caseGenderNumber, QStringLiteral("nom. m. sg."));
    QCOMPARE(typed.moodTenseVoice, QStringLiteral("_"));
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QVERIFY(platform_->messages.isEmpty());
}

QTEST_MAIN(TestMaintenance)
#include "test_maintenance.moc"
