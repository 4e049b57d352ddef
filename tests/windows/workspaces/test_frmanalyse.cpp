#include "core/lookup/thesauruslists.h"
#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/plainscan.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using analysis::frmanalyse;

namespace {

const QString kVirgil = QStringLiteral("Arma virumque cano, Troiae qui primus ab oris");

// A small base thesaurus in the order of lower-cased forms.
const std::vector<Analysis> kBase = {
    {"arma", "N2", "arma", "nom. nt. pl.", "_", "les armes"},
    {"arma", "N2", "arma", "acc. nt. pl.", "_", "les armes"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
    {"qui", "DP", "qui", "nom. m. sg.", "_", "qui"},
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"troiae", "N1", "Troia", "gén. f. sg.", "_", "de Troie"},
};

}  // namespace

class TestFrmanalyse : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void baseThesaurusUsesSortedLookup();
    void existingThesaurusUsesFullLookup();
    void gridMatchesThePlainScan_data();
    void gridMatchesThePlainScan();
    void newEmptyThesaurus();
    void newImportedThesaurusIsByteIdentical();
    void overwriteAnsweredNoCreatesNothing();
    void baseThesaurusCannotBeReplaced();
    void cancelledDialogsKeepTheChoiceOpen();
    void secondChoiceOnlyBringsWorkspaceForward();
    void closingUnloadsTheChoice();
    void clickShowsRowInDetailPanel();
    void badInputs();
    void unreadableThesaurusOpensNoWorkspace();
    void keyboardMovesTheSelectedRow();
    void missingBaseIsRestoredOrReported();
    void notAThesaurusIsReadButNeverWritten();
    void statusBarNamesTheReceivingThesaurus();
    void everyColumnShowsAtTheDefaultSize();

  private:
    frmanalyse* chooseBase(const QString& text);
    frmanalyse* chooseExisting(const QString& text, const QString& path);
    void compareWithPlainScan(frmanalyse* ws, analysis::LookupKind kind);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
};

void TestFrmanalyse::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(records::paths::baseThesaurus(), kBase);
}

void TestFrmanalyse::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse* TestFrmanalyse::chooseBase(const QString& text) {
    drive::mainWindowWithText(text);
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    return drive::workspace();
}

frmanalyse* TestFrmanalyse::chooseExisting(const QString& text, const QString& path) {
    drive::mainWindowWithText(text);
    platform_->fileNames.push_back(path);
    drive::button(drive::openThesaurusChoice(), "Command2")->click();
    return drive::workspace();
}

void TestFrmanalyse::compareWithPlainScan(frmanalyse* ws, analysis::LookupKind kind) {
    const auto lists = analysis::loadThesaurusLists(
        ui::Forms::instance().find<shell::ThesaurusChoix>()->chosen().path);
    QVERIFY(lists.ok());
    const plainscan::Grid expected = plainscan::scan(ws->words(), lists.value(), kind);
    QCOMPARE(drive::analysisGrid(ws)->rows(), int(expected.rowCount()));
    for (int r = 1; r < drive::analysisGrid(ws)->rows(); ++r) {
        for (int c = 0; c < analysis::kGridColumns; ++c) {
            const plainscan::Cell& cell = expected.rows[std::size_t(r)][std::size_t(c)];
            QCOMPARE(drive::analysisGrid(ws)->textAt(r, c), cell.text);
            QCOMPARE(drive::analysisGrid(ws)->boldAt(r, c), cell.bold);
            const auto colour = drive::analysisGrid(ws)->foreColorAt(r, c);
            QCOMPARE(colour.value_or(plainscan::kDefaultColour), cell.colour);
        }
    }
}

void TestFrmanalyse::baseThesaurusUsesSortedLookup() {
    frmanalyse* ws = chooseBase(kVirgil);
    QVERIFY(ws && ws->isVisible());
    auto* choice = ui::Forms::instance().find<shell::ThesaurusChoix>();
    QVERIFY(choice && !choice->isVisible());
    QCOMPARE(choice->chosen().path, records::paths::baseThesaurus());
    QCOMPARE(choice->chosen().kind, analysis::ThesaurusKind::Base);
    QCOMPARE(ws->words(), QString(kVirgil).remove(QLatin1Char(',')).split(QLatin1Char(' ')));
    QVERIFY(drive::child<QGroupBox>(ws, "Frame2")->isVisible());
    QVERIFY(!drive::checkBox(ws, "Check1")->isChecked());
    QVERIFY(!drive::checkBox(ws, "Check1")->isEnabled());

    const ui::Grid* g = drive::analysisGrid(ws);
    QCOMPARE(drive::rowCells(g, 0).join(QLatin1Char(';')),
             QStringLiteral("Formes;Lemme;Traduction;Cat. gramm.;Cas, genre, nombre;"
                            "Mode, temps, voix;Indic."));
    const auto pad = [](const char* s, int w) { return QString::fromUtf8(s).leftJustified(w); };
    // Two analyses of Arma: orange analysis cells, the form as written, in bold dark blue.
    QCOMPARE(drive::rowCells(g, 1),
             (QStringList{"Arma|b|c00000", pad("arma", 50) + "|0080ff",
                          pad("les armes", 80) + "|0080ff", pad("N2", 7) + "|0080ff",
                          pad("nom. nt. pl.", 15) + "|0080ff", pad("_", 22) + "|0080ff", ""}));
    QCOMPARE(drive::rowCells(g, 2)[4], pad("acc. nt. pl.", 15) + "|0080ff");
    QCOMPARE(drive::rowCells(g, 3),
             (QStringList{"virumque|b|c00000", "_", "_", "_", "_", "_", "*"}));
    QCOMPARE(drive::rowCells(g, 4)[1], pad("cano", 50));  // one analysis: default colour
    QCOMPARE(drive::rowCells(g, 5)[1], pad("Troia", 50));
    QCOMPARE(g->textAt(5, 0), QStringLiteral("Troiae"));
    QCOMPARE(g->textAt(6, 1), pad("qui", 50));
    // primus, ab, oris: not found; oris sorts after every entry.
    for (int r = 7; r <= 9; ++r) {
        QCOMPARE(g->textAt(r, 6), QStringLiteral("*"));
    }
    QCOMPARE(g->textAt(9, 0), QStringLiteral("oris"));
    compareWithPlainScan(ws, analysis::LookupKind::Sorted);
}

void TestFrmanalyse::existingThesaurusUsesFullLookup() {
    const QString path = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(path, {{"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
                          {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
                          {"Rosa", "N1", "rosa", "abl. f. sg.", "_", "par la rose"},
                          {"rosá", "N1", "rosa", "?", "_", "accent"}});
    frmanalyse* ws = chooseExisting(QStringLiteral("Rosa cano rosa"), path);
    QVERIFY(ws);
    QCOMPARE(ui::Forms::instance().find<shell::ThesaurusChoix>()->chosen().kind,
             analysis::ThesaurusKind::Other);
    QVERIFY(drive::checkBox(ws, "Check1")->isChecked());
    QVERIFY(drive::checkBox(ws, "Check1")->isEnabled());
    // Unsorted: the full lookup still finds the later entry; "rosá" never matches "rosa".
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 0), QStringLiteral("Rosa"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 4).trimmed(), QStringLiteral("abl. f. sg."));
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 1).trimmed(), QStringLiteral("cano"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(5, 0), QStringLiteral("rosa"));
    compareWithPlainScan(ws, analysis::LookupKind::Full);
}

void TestFrmanalyse::gridMatchesThePlainScan_data() {
    QTest::addColumn<bool>("base");
    QTest::addColumn<QString>("text");
    QTest::newRow("base, Virgil") << true << kVirgil;
    QTest::newRow("base, repeated forms") << true << QStringLiteral("arma arma qui ROSA zzz a");
    QTest::newRow("other, Virgil") << false << kVirgil;
    QTest::newRow("other, one matched form") << false << QStringLiteral("rosa");
}

void TestFrmanalyse::gridMatchesThePlainScan() {
    QFETCH(bool, base);
    QFETCH(QString, text);
    const QString other = home_.file(QStringLiteral("autre.dat"));
    std::vector<Analysis> shuffled(kBase.rbegin(), kBase.rend());
    writeThesaurus(other, shuffled);
    frmanalyse* ws = base ? chooseBase(text) : chooseExisting(text, other);
    QVERIFY(ws);
    compareWithPlainScan(ws, base ? analysis::LookupKind::Sorted : analysis::LookupKind::Full);
}

void TestFrmanalyse::newEmptyThesaurus() {
    const QString path = home_.file(QStringLiteral("neuf.dat"));
    QFile::remove(path);
    drive::mainWindowWithText(QStringLiteral("Rosa æternus"));
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::No);  // without import
    drive::button(drive::openThesaurusChoice(), "Command3")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Création d'un nouveau Thesaurus"));
    QCOMPARE(platform_->messages[0].text,
             QStringLiteral("Avec importation des analyses du Thesaurus VORANTE?\n\r"));
    QCOMPARE(platform_->fileDialogFilters.last(),
             QStringLiteral("Fichiers de données (*.DAT)|*.DAT"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    QCOMPARE(ui::Forms::instance().find<shell::ThesaurusChoix>()->chosen().path, path);
    // Every form is not found, also one starting with an accented letter.
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 0), QStringLiteral("æternus"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 6), QStringLiteral("*"));
    QCOMPARE(ws->thesaurusLists().size(), 0);  // nothing stands in for the missing entries
    compareWithPlainScan(ws, analysis::LookupKind::Full);
}

void TestFrmanalyse::newImportedThesaurusIsByteIdentical() {
    const QString path = home_.file(QStringLiteral("copie.dat"));
    writeFile(path, QByteArray(1000, 'x'));
    drive::mainWindowWithText(QStringLiteral("rosa"));
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::Yes);  // overwrite
    platform_->answers.push_back(ui::Answer::Yes);  // import
    drive::button(drive::openThesaurusChoice(), "Command3")->click();
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Fichier existant"));
    QCOMPARE(platform_->messages[0].text,
             path + QStringLiteral(" existe.\r\nDésirez-vous l'écraser?"));
    QCOMPARE(readFile(path), readFile(records::paths::baseThesaurus()));
    QVERIFY(drive::workspace());
    QCOMPARE(drive::analysisGrid(drive::workspace())->textAt(1, 2).trimmed(),
             QStringLiteral("la rose"));
}

void TestFrmanalyse::overwriteAnsweredNoCreatesNothing() {
    const QString path = home_.file(QStringLiteral("garde.dat"));
    writeFile(path, QByteArray("old"));
    drive::mainWindowWithText(QStringLiteral("rosa"));
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::No);
    shell::ThesaurusChoix* choice = drive::openThesaurusChoice();
    drive::button(choice, "Command3")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(readFile(path), QByteArray("old"));
    QVERIFY(!drive::workspace());
    QVERIFY(choice->isVisible());
    QCOMPARE(choice->chosen().kind, analysis::ThesaurusKind::None);

    // Yes to overwrite and No to import leaves an empty thesaurus.
    platform_->fileNames.push_back(path);
    platform_->answers.push_back(ui::Answer::Yes);
    platform_->answers.push_back(ui::Answer::No);
    drive::button(choice, "Command3")->click();
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(drive::workspace());
}

void TestFrmanalyse::baseThesaurusCannotBeReplaced() {
    const QByteArray base = readFile(records::paths::baseThesaurus());
    drive::mainWindowWithText(QStringLiteral("rosa"));
    platform_->fileNames.push_back(records::paths::baseThesaurus());
    shell::ThesaurusChoix* choice = drive::openThesaurusChoice();
    drive::button(choice, "Command3")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("ne peut pas être remplacé")));
    QCOMPARE(readFile(records::paths::baseThesaurus()), base);
    QVERIFY(!drive::workspace());
}

void TestFrmanalyse::cancelledDialogsKeepTheChoiceOpen() {
    drive::mainWindowWithText(QStringLiteral("rosa"));
    shell::ThesaurusChoix* choice = drive::openThesaurusChoice();
    drive::button(choice, "Command2")->click();
    drive::button(choice, "Command3")->click();
    QVERIFY(platform_->messages.isEmpty());
    QVERIFY(choice->isVisible());
    QVERIFY(!drive::workspace());
    QCOMPARE(choice->chosen().path, QString());
    QCOMPARE(choice->chosen().kind, analysis::ThesaurusKind::None);
}

void TestFrmanalyse::secondChoiceOnlyBringsWorkspaceForward() {
    frmanalyse* ws = chooseBase(QStringLiteral("rosa"));
    const int rows = drive::analysisGrid(ws)->rows();
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    drive::textField(main, "txtfichier")->setPlainText(QStringLiteral("arma virumque cano"));
    const QString other = home_.file(QStringLiteral("autre.dat"));
    writeThesaurus(other, {});
    platform_->fileNames.push_back(other);
    shell::ThesaurusChoix* choice = drive::openThesaurusChoice();
    QVERIFY(choice->isVisible());
    QCOMPARE(choice->chosen().kind, analysis::ThesaurusKind::Base);  // the previous choice, kept
    drive::button(choice, "Command2")->click();
    QCOMPARE(choice->chosen().path, other);
    QCOMPARE(choice->chosen().kind, analysis::ThesaurusKind::Other);
    QCOMPARE(drive::workspace(), ws);
    QCOMPARE(drive::analysisGrid(ws)->rows(), rows);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 0), QStringLiteral("rosa"));
}

void TestFrmanalyse::closingUnloadsTheChoice() {
    frmanalyse* ws = chooseBase(QStringLiteral("rosa"));
    drive::action(ws, "quitter")->trigger();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmanalyse")));
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("ThesaurusChoix")));
    // Choosing again rebuilds the workspace from the main window's current text.
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    drive::textField(main, "txtfichier")->setPlainText(QStringLiteral("cano"));
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    QCOMPARE(drive::analysisGrid(drive::workspace())->textAt(1, 0), QStringLiteral("cano"));
    QCOMPARE(drive::analysisGrid(drive::workspace())->rows(), 3);
}

void TestFrmanalyse::clickShowsRowInDetailPanel() {
    frmanalyse* ws = chooseBase(QStringLiteral("cano primus cano"));
    QCOMPARE(ws->selectedRow(), 0);
    drive::clickRow(ws, 1);
    QCOMPARE(ws->selectedRow(), 1);
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("cano"));
    QCOMPARE(drive::textField(ws, "Text2")->toPlainText(), QStringLiteral("cano"));
    QCOMPARE(drive::textField(ws, "Text3")->toPlainText(), QStringLiteral("chanter"));
    QCOMPARE(drive::textField(ws, "Text4")->toPlainText(), QStringLiteral("V3"));
    QCOMPARE(drive::textField(ws, "Text5")->toPlainText(), QStringLiteral("1 sg."));
    QCOMPARE(drive::textField(ws, "Text6")->toPlainText(), QStringLiteral("ind. prés. act."));
    QCOMPARE(drive::analysisGrid(ws)->row(), 1);
    QCOMPARE(drive::analysisGrid(ws)->col(), 0);
    QCOMPARE(drive::analysisGrid(ws)->colSel(), 6);

    drive::clickRow(ws, 2);
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("primus"));
    for (QPlainTextEdit* f : {drive::textField(ws, "Text2"), drive::textField(ws, "Text3"),
                              drive::textField(ws, "Text4"), drive::textField(ws, "Text5"),
                              drive::textField(ws, "Text6")}) {
        QCOMPARE(f->toPlainText(), QStringLiteral("_"));
    }
    // The empty row the scan added at the bottom.
    QCOMPARE(drive::analysisGrid(ws)->rows(), 5);
    drive::clickRow(ws, 4);
    QCOMPARE(ws->selectedRow(), 4);
    QVERIFY(drive::lineField(ws, "Text1")->text().isEmpty());
    QVERIFY(drive::textField(ws, "Text6")->toPlainText().isEmpty());
}

void TestFrmanalyse::badInputs() {
    // No letters: only the header row, and the detail panel is still shown.
    frmanalyse* ws = chooseBase(QStringLiteral("12 34, -- !"));
    QCOMPARE(drive::analysisGrid(ws)->rows(), 1);
    QVERIFY(drive::child<QGroupBox>(ws, "Frame2")->isVisible());
    drive::closeAll();

    // A thesaurus with a partial trailing record loads only its whole records.
    const QString partial = home_.file(QStringLiteral("partiel.dat"));
    writeThesaurus(partial, {{"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"}});
    QFile f(partial);
    QVERIFY(f.open(QIODevice::Append));
    f.write(QByteArray(100, 'z'));
    f.close();
    ws = chooseExisting(QStringLiteral("rosa"), partial);
    QCOMPARE(ws->thesaurusLists().size(), 1);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 2).trimmed(), QStringLiteral("la rose"));
    drive::closeAll();

    // A thesaurus that does not exist is created empty.
    const QString missing = home_.file(QStringLiteral("absent.dat"));
    QFile::remove(missing);
    ws = chooseExisting(QStringLiteral("rosa"), missing);
    QVERIFY(QFile::exists(missing));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 6), QStringLiteral("*"));
}

void TestFrmanalyse::unreadableThesaurusOpensNoWorkspace() {
    const QString folder = home_.file(QStringLiteral("dossier.dat"));
    QDir().mkpath(folder);
    shell::ThesaurusChoix* choice = nullptr;
    drive::mainWindowWithText(QStringLiteral("rosa"));
    platform_->fileNames.push_back(folder);
    choice = drive::openThesaurusChoice();
    drive::button(choice, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(folder));
    QVERIFY(!drive::workspace());
    QVERIFY(choice->isVisible());
}

// The row the cursor is on is the row the detail panel shows and validation changes.
void TestFrmanalyse::keyboardMovesTheSelectedRow() {
    const QString path = home_.file(QStringLiteral("clavier.dat"));
    writeThesaurus(path, kBase);
    frmanalyse* ws = chooseExisting(kVirgil, path);
    drive::checkBox(ws, "Check1")->setChecked(false);
    drive::clickRow(ws, 1);
    QTableView* view = drive::analysisGrid(ws)->view();
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(ws->selectedRow(), 3);
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("virumque"));
    QCOMPARE(drive::analysisGrid(ws)->rowSel(), 3);
    QCOMPARE(drive::analysisGrid(ws)->colSel(), 6);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("vir"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 1), QStringLiteral("vir"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1).trimmed(), QStringLiteral("arma"));
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(ws->selectedRow(), drive::analysisGrid(ws)->rows() - 1);
}

// The base thesaurus removed while the program runs: put back from the shipped copy, or the
// analysis is refused with the reason; never an analysis against an empty base.
void TestFrmanalyse::missingBaseIsRestoredOrReported() {
    QFile::remove(records::paths::baseThesaurus());
    records::paths::setShippedDataDirs({home_.file(QStringLiteral("nowhere"))});
    drive::mainWindowWithText(kVirgil);
    shell::ThesaurusChoix* choice = drive::openThesaurusChoice();
    drive::button(choice, "Command1")->click();
    QVERIFY(!drive::workspace());
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("absent ou vide")));
    QVERIFY(!QFileInfo::exists(records::paths::baseThesaurus()));

    const QString shipped = home_.file(QStringLiteral("livre"));
    QDir().mkpath(shipped);
    writeThesaurus(shipped + QStringLiteral("/donnees.dat"), kBase);
    records::paths::setShippedDataDirs({shipped});
    QVERIFY(writeFile(records::paths::baseThesaurus(), QByteArray()));  // left empty
    drive::button(choice, "Command1")->click();
    records::paths::setShippedDataDirs({});
    frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1).trimmed(), QStringLiteral("arma"));
    QCOMPARE(QFileInfo(records::paths::baseThesaurus()).size(), qint64(kBase.size()) * 216);
}

// A file of another kind opened as a thesaurus: said so, read by whole records, never
// appended to.
void TestFrmanalyse::notAThesaurusIsReadButNeverWritten() {
    const QString path = home_.file(QStringLiteral("texte.DAT"));
    QByteArray bytes = thesaurusRecord(kBase[4], 1).toBytes() + QByteArray("Gallia est omnis");
    QVERIFY(writeFile(path, bytes));
    frmanalyse* ws = chooseExisting(QStringLiteral("rosa"), path);
    QVERIFY(ws);
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(
        platform_->messages[0].text.contains(QStringLiteral("ne semble pas être un Thesaurus")));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 1).trimmed(), QStringLiteral("rosa"));
    drive::clickRow(ws, 1);
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("une rose"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 2);
    QVERIFY(platform_->messages[1].text.contains(QStringLiteral("n'y a pas été enregistrée")));
    QCOMPARE(readFile(path), bytes);

    // Whole records that do not carry their own numbers: a text that happens to fit.
    const QByteArray text(2 * 216, 'a');
    QVERIFY(writeFile(path, text));
    drive::closeAll();
    ws = chooseExisting(QStringLiteral("rosa"), path);
    QCOMPARE(platform_->messages.size(), 3);
    drive::clickRow(ws, 1);
    drive::button(ws, "Command2")->click();
    QCOMPARE(readFile(path), text);
}

void TestFrmanalyse::statusBarNamesTheReceivingThesaurus() {
    const QString path = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(path, kBase);
    frmanalyse* ws = chooseExisting(kVirgil, path);
    QVERIFY(drive::child<QLabel>(ws, "storingLabel")->text().endsWith(path));
    drive::checkBox(ws, "Check1")->setChecked(false);
    QVERIFY(!drive::child<QLabel>(ws, "storingLabel")->text().contains(path));
    drive::checkBox(ws, "Check1")->setChecked(true);
    // A later choice of the base thesaurus does not rebuild the grid but changes the target.
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    QVERIFY(drive::child<QLabel>(ws, "storingLabel")
                ->text()
                .startsWith(QStringLiteral("Thesaurus Vorante Lumivexa")));
}

// At the window's default size the seven columns show whole; a wider window widens the grid,
// not the detail panel.
void TestFrmanalyse::everyColumnShowsAtTheDefaultSize() {
    frmanalyse* ws = chooseBase(kVirgil);
    QVERIFY(QTest::qWaitForWindowExposed(ws));
    QTableView* view = drive::analysisGrid(ws)->view();
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    const int panel = drive::child<QGroupBox>(ws, "Frame2")->width();
    const int grid = drive::analysisGrid(ws)->width();
    ws->resize(ws->width() + 300, ws->height());
    QTRY_COMPARE(drive::analysisGrid(ws)->width(), grid + 300);
    QCOMPARE(drive::child<QGroupBox>(ws, "Frame2")->width(), panel);
}

QTEST_MAIN(TestFrmanalyse)
#include "test_frmanalyse.moc"
