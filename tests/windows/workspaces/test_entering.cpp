#include "core/grid/listing.h"
#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/keypads/keypadwindow.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <sys/resource.h>
#include <csignal>

using analysis::frmanalyse;

namespace {

const std::vector<Analysis> kMine = {
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"rosa", "N1", "rosa", "abl. f. sg.", "_", "par la rose"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
};

keypads::KeypadWindow* keypad(const QString& name) {
    return ui::Forms::instance().find<keypads::KeypadWindow>(name);
}

void choose(const QString& keypadName, const QStringList& options) {
    keypads::KeypadWindow* k = keypad(keypadName);
    QVERIFY(k);
    for (const QString& o : options) {
        QTest::mouseClick(k->option(o), Qt::LeftButton, {}, QPoint(4, 4));
    }
    k->findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // "OK"
}

}  // namespace

class TestEntering : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void keypadsComposeIntoTheDetailFields();
    void commandsNeedASelection();
    void validationStoresOnceAndRefusesTheDuplicate();
    void baseThesaurusIsNeverWritten();
    void failedAppendKeepsListsAndReports();
    void storedValuesAreComparedAsStored();
    void oneLineFieldsTakeNoLineBreak();
    void deletionMovesRowsUp();
    void duplicationInsertsANewAnalysis();
    void savingWritesOneRecordPerRow();
    void failedSaveKeepsTheOldFile();
    void printingTenBlocksAPage();
    void closingUnloadsTheKeypads();
    void theRoadOfOneAnalysis();

  private:
    frmanalyse* open(const QString& text);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestEntering::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(records::paths::baseThesaurus(), kMine);
    mine_ = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine_, kMine);
}

void TestEntering::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse* TestEntering::open(const QString& text) {
    return drive::analyseWithThesaurus(*platform_, text, mine_);
}

void TestEntering::keypadsComposeIntoTheDetailFields() {
    frmanalyse* ws = open(QStringLiteral("rosa primus"));
    drive::clickRow(ws, 3);
    drive::button(ws, "Command1_b")->click();
    choose(QStringLiteral("pave02_a"), {QStringLiteral("Option10"), QStringLiteral("Option8")});
    QCOMPARE(drive::textField(ws, "Text4")->toPlainText(), QStringLiteral("A1"));
    drive::button(ws, "Command1_a")->click();  // opens on the nominative
    choose(QStringLiteral("pave03_a"), {QStringLiteral("Option26"), QStringLiteral("Option28")});
    QCOMPARE(drive::textField(ws, "Text5")->toPlainText(), QStringLiteral("nom. m. sg."));
    drive::moodKeypadButton(ws)->click();  // opens on the indicative, which is cleared here
    choose(QStringLiteral("pave03_b"),
           {QStringLiteral("Option1"), QStringLiteral("Option16"), QStringLiteral("Option23")});
    QCOMPARE(drive::textField(ws, "Text6")->toPlainText(), QStringLiteral(" prés. act."));
    // The keypads wrote into the detail fields only: the grid changes on validation.
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 3), QStringLiteral("_"));
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave02_a")));
}

void TestEntering::commandsNeedASelection() {
    frmanalyse* ws = open(QStringLiteral("rosa"));
    for (QPushButton* b : {drive::button(ws, "Command1_b"), drive::button(ws, "Command1_a"),
                           drive::moodKeypadButton(ws), drive::button(ws, "Command2"),
                           drive::button(ws, "Command3")}) {
        b->click();
    }
    drive::action(ws, "dupliquer")->trigger();
    QCOMPARE(platform_->messages.size(), 6);
    for (const FakePlatform::Message& m : platform_->messages) {
        QCOMPARE(m.text, QStringLiteral("Veuillez sélectionner une forme."));
        QCOMPARE(m.title, QStringLiteral("Analyse morphologique"));
        QCOMPARE(m.icon, ui::Icon::None);
    }
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave02_a")));
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    // The charts need no selection.
    drive::button(ws, "Command4")->click();
    drive::button(ws, "Command5")->click();
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("pave02")));
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("pave03")));
}

void TestEntering::validationStoresOnceAndRefusesTheDuplicate() {
    frmanalyse* ws = open(QStringLiteral("primus"));
    QVERIFY(drive::checkBox(ws, "Check1")->isChecked());
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("premier"));
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("A1"));
    drive::textField(ws, "Text5")->setPlainText(QStringLiteral("nom. m. sg."));
    drive::textField(ws, "Text6")->setPlainText(QStringLiteral("_"));
    drive::button(ws, "Command2")->click();
    QVERIFY(platform_->messages.isEmpty());
    const QByteArray bytes = readFile(mine_);
    QCOMPARE(bytes.size(), 4 * 216);
    records::ThesaurusRecord stored;
    QVERIFY(stored.fromBytes(bytes.mid(3 * 216)));
    QCOMPARE(stored.number(), qint16(4));
    QCOMPARE(stored.form().trimmed(), QStringLiteral("primus"));
    QCOMPARE(stored.category().trimmed(), QStringLiteral("A1"));
    QCOMPARE(stored.moodTenseVoice().trimmed(), QStringLiteral("_"));
    QCOMPARE(ws->thesaurusLists().size(), 4);
    QCOMPARE(ws->thesaurusLists().numbers.back(), qint16(4));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 2), QStringLiteral("premier"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 5), QStringLiteral("_"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 6), QStringLiteral("*"));  // stays
    QCOMPARE(drive::analysisGrid(ws)->colSel(), 6);

    // The same analysis again, the lemma in capitals and a trailing space: not stored.
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("PRIMUS "));
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].text,
             QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus."));
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Analyse existante"));
    QCOMPARE(platform_->messages[0].icon, ui::Icon::Information);
    QCOMPARE(readFile(mine_).size(), 4 * 216);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1),
             QStringLiteral("PRIMUS "));  // the row still changes

    // Unchecked: the row changes, the thesaurus does not.
    drive::checkBox(ws, "Check1")->setChecked(false);
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("le premier"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(readFile(mine_).size(), 4 * 216);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 2), QStringLiteral("le premier"));
}

void TestEntering::baseThesaurusIsNeverWritten() {
    const QByteArray base = readFile(records::paths::baseThesaurus());
    drive::mainWindowWithText(QStringLiteral("primus"));
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    frmanalyse* ws = drive::workspace();
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(readFile(records::paths::baseThesaurus()), base);

    // Not even when the box is ticked after a later choice of the base thesaurus.
    drive::closeAll();
    ws = open(QStringLiteral("primus"));
    drive::button(drive::openThesaurusChoice(), "Command1")
        ->click();  // only brings the workspace forward
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(readFile(records::paths::baseThesaurus()), base);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1), QStringLiteral("primus"));
}

void TestEntering::failedAppendKeepsListsAndReports() {
    frmanalyse* ws = open(QStringLiteral("primus"));
    QVERIFY(growThesaurus(mine_, 32767));
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("32767")));
    // The lists follow the file as it is now, without the analysis that could not be stored.
    QCOMPARE(ws->thesaurusLists().size(), 32767);
    QCOMPARE(QFileInfo(mine_).size(), qint64(32767) * 216);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1), QStringLiteral("primus"));

    // A full disk.
    writeThesaurus(mine_, kMine);
    {
        FileSizeLimit limit(3 * 216);
        drive::button(ws, "Command2")->click();
    }
    QCOMPARE(platform_->messages.size(), 2);
    QVERIFY2(platform_->messages[1].text.contains(QStringLiteral("taille de fichier autorisée")),
             qPrintable(platform_->messages[1].text));  // the real reason, not "unknown error"
    QCOMPARE(ws->thesaurusLists().size(), 3);
    QCOMPARE(QFileInfo(mine_).size(), 3 * 216);
}

// What the record would hold is what is compared: an analysis stored with an empty field, a
// cut value or a character the code page lacks is refused the second time.
void TestEntering::storedValuesAreComparedAsStored() {
    frmanalyse* ws = open(QStringLiteral("primus"));
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::textField(ws, "Text3")
        ->setPlainText(QString(90, QLatin1Char('p')));  // longer than its 80 characters
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("A1"));
    drive::textField(ws, "Text5")->setPlainText(QStringLiteral("nom. m. sg."));
    drive::textField(ws, "Text6")->clear();         // stored as "_"
    platform_->answers.push_back(ui::Answer::Yes);  // store it cut
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("coupé après 80 caractères")));
    QCOMPARE(readFile(mine_).size(), 4 * 216);
    drive::button(ws, "Command2")->click();  // refused before anything is asked
    QCOMPARE(platform_->messages.size(), 2);
    QCOMPARE(platform_->messages.last().title, QStringLiteral("Analyse existante"));
    QCOMPARE(readFile(mine_).size(), 4 * 216);

    // Answering No stores nothing and leaves the row as it was, for the user to shorten.
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("prīmus"));
    platform_->answers.push_back(ui::Answer::No);
    drive::button(ws, "Command2")->click();
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("non enregistrables")));
    QCOMPARE(readFile(mine_).size(), 4 * 216);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1), QStringLiteral("primus"));
}

void TestEntering::oneLineFieldsTakeNoLineBreak() {
    frmanalyse* ws = open(QStringLiteral("primus"));
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text2")->clear();
    drive::textField(ws, "Text3")->clear();
    drive::textField(ws, "Text2")->setFocus();
    QTest::keyClicks(drive::textField(ws, "Text2"), QStringLiteral("primus"));
    QTest::keyClick(drive::textField(ws, "Text2"), Qt::Key_Return);
    QCOMPARE(drive::textField(ws, "Text2")->toPlainText(), QStringLiteral("primus"));
    QCOMPARE(ws->focusWidget(), drive::textField(ws, "Text3"));  // Enter moves on
    QTest::keyClicks(drive::textField(ws, "Text3"), QStringLiteral("premier"));
    QTest::keyClick(drive::textField(ws, "Text3"), Qt::Key_Enter, Qt::ShiftModifier);
    QCOMPARE(drive::textField(ws, "Text3")->toPlainText(), QStringLiteral("premier"));
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("A1\n"));  // put there by a program
    drive::button(ws, "Command2")->click();
    QVERIFY(platform_->messages.isEmpty());
    const QByteArray stored = readFile(mine_).mid(3 * 216);
    QCOMPARE(stored.size(), 216);
    QVERIFY(!stored.contains('\n'));
    QCOMPARE(stored.mid(32, 7), QByteArray("A1     "));

    // The same analysis typed with a line break is the same analysis: refused as present.
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("A1"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Analyse existante"));
    QCOMPARE(readFile(mine_).size(), 4 * 216);

    // Pasted text is flattened, in one-line and wrapping fields alike.
    for (QPlainTextEdit* field : {drive::textField(ws, "Text2"), drive::textField(ws, "Text3")}) {
        auto* clip = new QMimeData;
        clip->setText(QStringLiteral("a\nb\r\nc\td\u2029e"));
        QGuiApplication::clipboard()->setMimeData(clip);
        field->selectAll();
        field->paste();
        QCOMPARE(field->toPlainText(), QStringLiteral("a b c d e"));
    }
}

void TestEntering::deletionMovesRowsUp() {
    frmanalyse* ws = open(QStringLiteral("rosa cano"));  // rosa (2 rows, orange), cano
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    const QStringList second = drive::rowCells(drive::analysisGrid(ws), 2);
    const QStringList third = drive::rowCells(drive::analysisGrid(ws), 3);
    drive::clickRow(ws, 1);
    drive::button(ws, "Command3")->click();
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 1), second);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 2), third);
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 0), QString());
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("rosa"));
    QCOMPARE(drive::textField(ws, "Text3")->toPlainText(), QStringLiteral("par la rose"));
    // Deleting the last row only empties it.
    drive::clickRow(ws, 2);
    drive::button(ws, "Command3")->click();
    drive::clickRow(ws, 2);
    drive::button(ws, "Command3")->click();
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 0), QString());
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 0), QStringLiteral("rosa"));
    QCOMPARE(readFile(mine_).size(), 3 * 216);
}

void TestEntering::duplicationInsertsANewAnalysis() {
    frmanalyse* ws = open(QStringLiteral("cano rosa primus arma"));  // 5 rows below the header
    QCOMPARE(drive::analysisGrid(ws)->rows(), 6);
    const QStringList third = drive::rowCells(drive::analysisGrid(ws), 3);
    const QStringList fourth = drive::rowCells(drive::analysisGrid(ws), 4);
    drive::clickRow(ws, 2);
    drive::action(ws, "dupliquer")->trigger();
    QCOMPARE(drive::analysisGrid(ws)->rows(), 7);
    QCOMPARE(ws->selectedRow(), 3);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 3),
             (QStringList{"rosa|b|c00000", "_|0080ff", "_|0080ff", "_|0080ff", "_|0080ff",
                          "_|0080ff", "|0080ff"}));
    // Moved rows take the colour of their column 1 in every analysis cell, column 6 too.
    QStringList movedThird = third;
    movedThird[6] = QStringLiteral("|0080ff");
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 4), movedThird);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 5).first(), fourth.first());
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("rosa"));
    QCOMPARE(drive::textField(ws, "Text2")->toPlainText(), QStringLiteral("_"));
    QCOMPARE(drive::analysisGrid(ws)->row(), 3);
    QCOMPARE(drive::analysisGrid(ws)->colSel(), 6);
}

void TestEntering::savingWritesOneRecordPerRow() {
    frmanalyse* ws = open(QStringLiteral("rosa primus"));
    const QString path = home_.file(QStringLiteral("analyse.dat"));
    QFile::remove(path);
    platform_->fileNames.push_back(path);
    drive::saveAction(ws)->trigger();
    QCOMPARE(platform_->fileDialogFilters.last(),
             QStringLiteral("Fichiers de données (*.DAT)|*.DAT"));
    QCOMPARE(platform_->messageTexts(),
             QStringList{QStringLiteral("L'enregistrement est terminé.")});
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), (drive::analysisGrid(ws)->rows() - 1) * 218);
    const QByteArray notFound = bytes.mid(2 * 218, 218);
    QCOMPARE(notFound.mid(2, 30), QByteArray("primus").leftJustified(30, ' '));
    QCOMPARE(notFound.mid(32, 7), QByteArray("_      "));
    QCOMPARE(notFound.mid(39, 50), QByteArray("_").leftJustified(50, ' '));
    QCOMPARE(notFound.mid(206, 2), QByteArray("* "));
    QCOMPARE(bytes.mid(126, 7), QByteArray("la rose"));

    // Overwrite answered No: nothing written; Yes: only the new grid.
    drive::clickRow(ws, 1);
    drive::button(ws, "Command3")->click();
    platform_->messages.clear();
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::No);
    drive::saveAction(ws)->trigger();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Fichier existant"));
    QCOMPARE(readFile(path), bytes);
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::Yes);
    drive::saveAction(ws)->trigger();
    QCOMPARE(readFile(path).size(), bytes.size());
    QCOMPARE(readFile(path).mid(2, 4), QByteArray("rosa"));
    QCOMPARE(readFile(path).mid(126, 11), QByteArray("par la rose"));
    QCOMPARE(platform_->messages.last().text, QStringLiteral("L'enregistrement est terminé."));
}

void TestEntering::failedSaveKeepsTheOldFile() {
    frmanalyse* ws = open(QStringLiteral("rosa primus cano"));
    const QString path = home_.file(QStringLiteral("ancienne.dat"));
    writeFile(path, QByteArray(218, 'a'));
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::Yes);
    {
        FileSizeLimit limit(500);
        drive::saveAction(ws)->trigger();
    }
    QCOMPARE(readFile(path), QByteArray(218, 'a'));
    QCOMPARE(platform_->messages.size(), 2);
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("conservé")));
    QVERIFY(!platform_->messageTexts().contains(QStringLiteral("L'enregistrement est terminé.")));
    const QStringList leftovers =
        QDir(home_.path()).entryList({QStringLiteral("*ancienne.dat*")}, QDir::Files);
    QCOMPARE(leftovers, QStringList{QStringLiteral("ancienne.dat")});

    // A new file that cannot be written: there was no old file to keep.
    const QString fresh = home_.file(QStringLiteral("nouvelle.dat"));
    platform_->fileNames.push_back(fresh);
    {
        FileSizeLimit limit(500);
        drive::saveAction(ws)->trigger();
    }
    QVERIFY(!QFileInfo::exists(fresh));
    QVERIFY(!platform_->messages.last().text.contains(QStringLiteral("conservé")));
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("dépassée")));
}

void TestEntering::printingTenBlocksAPage() {
    QStringList words;
    for (int i = 0; i < 23; ++i) {
        words << QStringLiteral("cano");
    }
    frmanalyse* ws = open(words.join(QLatin1Char(' ')));
    QCOMPARE(drive::analysisGrid(ws)->rows(), 24);
    platform_->cancelPrinting = true;
    drive::action(ws, "imprimer")->trigger();
    QVERIFY(platform_->documents.empty());
    platform_->cancelPrinting = false;
    drive::action(ws, "imprimer")->trigger();
    QCOMPARE(platform_->documents.size(), std::size_t(1));
    const FakePlatform::Document& doc = platform_->documents.front();
    QVERIFY(doc.ended);
    QCOMPARE(doc.fonts, QStringList{QStringLiteral("verdana 9")});
    QCOMPARE(doc.pages.size(), 3);
    QCOMPARE(doc.pages[0].size(), 70);
    QCOMPARE(doc.pages[1].size(), 70);
    QCOMPARE(doc.pages[2].size(), 21);
    QCOMPARE(doc.pages[0].mid(0, 7),
             (QStringList{"Formes: cano", "Lemme : cano", "Traduction : chanter",
                          "Cat. gramm. : V3", "Cas, genre, nombre : 1 sg.",
                          "Mode, temps, voix : ind. prés. act.", QString(64, QLatin1Char('-'))}));
    // An empty row: the labels alone.
    QCOMPARE(analysis::analysisListing({analysis::GridRowTexts{}}).first().mid(0, 2),
             (QStringList{"Formes: ", "Lemme : "}));
    QVERIFY(analysis::analysisListing({}).isEmpty());

    // "Annuler" on the progress bar abandons the document, without a message of failure.
    platform_->cancelAtReport = platform_->progressReports + 2;
    drive::action(ws, "imprimer")->trigger();
    QCOMPARE(platform_->progressLabels.last(), QStringLiteral("Impression..."));
    QVERIFY(platform_->documents.back().aborted && !platform_->documents.back().ended);
    QCOMPARE(platform_->documents.back().pages.size(), 1);  // the first page only
    QVERIFY(platform_->messages.isEmpty());
}

void TestEntering::closingUnloadsTheKeypads() {
    frmanalyse* ws = open(QStringLiteral("rosa"));
    drive::clickRow(ws, 1);
    drive::button(ws, "Command1_b")->click();
    drive::button(ws, "Command1_a")->click();
    drive::moodKeypadButton(ws)->click();
    drive::button(ws, "Command4")->click();
    const QString before = drive::textField(ws, "Text4")->toPlainText();
    drive::action(ws, "quitter")->trigger();
    for (const char* name : {"pave02_a", "pave03_a", "pave03_b", "frmanalyse", "ThesaurusChoix"}) {
        QVERIFY2(!ui::Forms::instance().isLoaded(QString::fromLatin1(name)), name);
    }
    // The chart belongs to no workspace.
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("pave02")));
    QCOMPARE(before, QStringLiteral("N1"));
}

// A new user's first analysis: a new thesaurus, an unknown form completed with the three
// keypads, validated, saved; the same text analysed again finds the form.
void TestEntering::theRoadOfOneAnalysis() {
    const QString mine = home_.file(QStringLiteral("eleve.dat"));
    QFile::remove(mine);
    drive::mainWindowWithText(QStringLiteral("Rosa amat."));
    platform_->fileNames.push_back(mine);
    platform_->answers.push_back(ui::Answer::No);  // no import
    drive::button(drive::openThesaurusChoice(), "Command3")->click();
    frmanalyse* ws = drive::workspace();
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 6), QStringLiteral("*"));
    drive::clickRow(ws, 2);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("amo"));
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("il aime"));
    drive::button(ws, "Command1_b")->click();
    choose(QStringLiteral("pave02_a"), {QStringLiteral("Option10")});
    drive::button(ws, "Command1_a")->click();
    choose(QStringLiteral("pave03_a"),
           {QStringLiteral("Option7"), QStringLiteral("Option10"), QStringLiteral("Option28")});
    drive::moodKeypadButton(ws)->click();
    choose(QStringLiteral("pave03_b"), {QStringLiteral("Option16"), QStringLiteral("Option23")});
    drive::button(ws, "Command2")->click();
    QCOMPARE(QFileInfo(mine).size(), 216);

    const QString saved = home_.file(QStringLiteral("rosa.dat"));
    QFile::remove(saved);
    platform_->fileNames.push_back(saved);
    drive::saveAction(ws)->trigger();
    QCOMPARE(QFileInfo(saved).size(), qint64(drive::analysisGrid(ws)->rows() - 1) * 218);
    drive::action(ws, "quitter")->trigger();

    platform_->fileNames.push_back(mine);
    drive::button(drive::openThesaurusChoice(), "Command2")->click();
    ws = drive::workspace();
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 2),
             (QStringList{"amat|b|c00000", QStringLiteral("amo").leftJustified(50),
                          QStringLiteral("il aime").leftJustified(80),
                          QStringLiteral("V1").leftJustified(7),
                          QStringLiteral("3 sg.").leftJustified(15),
                          QStringLiteral("ind. prés. act.").leftJustified(22), QString()}));
}

QTEST_MAIN(TestEntering)
#include "test_entering.moc"
