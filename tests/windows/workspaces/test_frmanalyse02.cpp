#include "core/grid/analysisfile.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/keypads/keypadwindow.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"
#include "windows/workspaces/frmanalyse02.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using analysis::frmanalyse02;
using analysis::GridRowTexts;

namespace {

const std::vector<GridRowTexts> kSaved = {
    {"Arma", "arma", "les armes", "N2", "nom. nt. pl.", "_", ""},
    {"Arma", "arma", "les armes", "N2", "acc. nt. pl.", "_", ""},
    {"virumque", "_", "_", "_", "_", "_", "*"},
};

frmanalyse02* savedWorkspace() {
    return ui::Forms::instance().find<frmanalyse02>();
}

void clickRow(frmanalyse02* ws, int row) {
    QTableView* view = drive::analysisGrid(ws)->view();
    const QModelIndex index = view->model()->index(row - 1, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

}  // namespace

class TestFrmanalyse02 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void recordsFillTheGridAsStored();
    void firstClickOnTheBoxAloneOffersTheThesaurus();
    void emptyThesaurusThenStoresRecordsOneAndTwo();
    void storingWithoutThesaurusSaysSo();
    void keypadsWriteOnlyIntoTheirWorkspace();
    void secondOpeningKeepsTheFirstAnalysis();
    void savedAgainUnderAnotherName();
    void fileOfAnotherKindIsWarnedAndLeftAlone();

  private:
    frmanalyse02* openAnalysis(const QString& path);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString saved_;
};

void TestFrmanalyse02::init() {
    startClean(platform_, home_);
    saved_ = home_.file(QStringLiteral("analyse.dat"));
    QVERIFY(analysis::saveAnalysisFile(saved_, kSaved).ok());
}

void TestFrmanalyse02::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse02* TestFrmanalyse02::openAnalysis(const QString& path) {
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    platform_->fileNames.push_back(path);
    drive::action(main, "ouvriranalyse")->trigger();
    return savedWorkspace();
}

void TestFrmanalyse02::recordsFillTheGridAsStored() {
    frmanalyse02* ws = openAnalysis(saved_);
    QVERIFY(ws && ws->isVisible());
    QVERIFY(drive::child<QGroupBox>(ws, "Frame2")->isVisible());
    QVERIFY(!drive::checkBox(ws, "Check1")->isChecked() &&
            drive::checkBox(ws, "Check1")->isEnabled());
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    const auto pad = [](const char* s, int w) { return QString::fromUtf8(s).leftJustified(w); };
    // Every form bold in the form colour, every other cell plain, even for an ambiguous form.
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 1),
             (QStringList{pad("Arma", 30) + "|b|c00000", pad("arma", 50), pad("les armes", 80),
                          pad("N2", 7), pad("nom. nt. pl.", 15), pad("_", 22), "  "}));
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 6), QStringLiteral("* "));
    clickRow(ws, 2);
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("Arma"));
    QCOMPARE(drive::textField(ws, "Text5")->toPlainText(), QStringLiteral("acc. nt. pl."));
    QCOMPARE(ws->findChild<QPushButton*>(QStringLiteral("Command1_c")),
             drive::moodKeypadButton(ws));
    QCOMPARE(drive::saveAction(ws)->text(), QStringLiteral("Enregistrer"));
    QCOMPARE(drive::action(ws, "lexique")->text(), QStringLiteral("&Dictionnaire (Lemmes)"));
    QVERIFY(platform_->messages.isEmpty());
}

void TestFrmanalyse02::firstClickOnTheBoxAloneOffersTheThesaurus() {
    frmanalyse02* ws = openAnalysis(saved_);
    const qsizetype dialogs = platform_->fileDialogFilters.size();
    drive::checkBox(ws, "Check1")->click();  // cancelled
    QCOMPARE(platform_->fileDialogFilters.size(), dialogs + 1);
    QCOMPARE(platform_->fileDialogFilters.last(), QStringLiteral("Fichiers données (*.DAT)|*.DAT"));
    drive::checkBox(ws, "Check1")->click();
    drive::checkBox(ws, "Check1")->click();
    QCOMPARE(platform_->fileDialogFilters.size(), dialogs + 1);
    QVERIFY(drive::checkBox(ws, "Check1")->isChecked());
    ws->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ws = openAnalysis(saved_);
    drive::checkBox(ws, "Check1")->click();
    QCOMPARE(platform_->fileDialogFilters.size(), dialogs + 3);  // the analysis, the thesaurus
}

void TestFrmanalyse02::emptyThesaurusThenStoresRecordsOneAndTwo() {
    frmanalyse02* ws = openAnalysis(saved_);
    const QString mine = home_.file(QStringLiteral("nouveau.dat"));
    QFile::remove(mine);
    platform_->fileNames.push_back(mine);
    drive::checkBox(ws, "Check1")->click();
    QCOMPARE(platform_->messageTexts(), QStringList{QStringLiteral("Le Thesaurus est vide!")});
    QVERIFY(QFileInfo::exists(mine));
    clickRow(ws, 3);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("vir"));
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("l'homme"));
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("N2"));
    drive::textField(ws, "Text5")->setPlainText(QStringLiteral("acc. m. sg."));
    drive::textField(ws, "Text6")->setPlainText(QStringLiteral("_"));
    drive::button(ws, "Command2")->click();
    clickRow(ws, 1);
    drive::button(ws, "Command2")->click();
    const auto stored = records::readAllRecords<records::ThesaurusRecord>(mine).value();
    QCOMPARE(stored.size(), std::size_t(2));
    QCOMPARE(stored[0].number(), qint16(1));
    QCOMPARE(stored[1].number(), qint16(2));
    QCOMPARE(stored[0].form().trimmed(), QStringLiteral("virumque"));
    QCOMPARE(stored[1].caseGenderNumber().trimmed(), QStringLiteral("nom. nt. pl."));
    // The same row again, all six fields filled: refused.
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.last().text,
             QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus."));
    QCOMPARE(QFileInfo(mine).size(), 2 * 216);
}

void TestFrmanalyse02::storingWithoutThesaurusSaysSo() {
    const QStringList filesBefore = QDir(home_.path()).entryList(QDir::Files);
    frmanalyse02* ws = openAnalysis(saved_);
    drive::checkBox(ws, "Check1")->click();  // the dialog is cancelled: no thesaurus
    QVERIFY(drive::checkBox(ws, "Check1")->isChecked());
    clickRow(ws, 3);
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("vir"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(
        platform_->messages[0].text.startsWith(QStringLiteral("Aucun Thesaurus n'a été choisi")));
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 1),
             QStringLiteral("vir"));  // the row still changes
    QCOMPARE(QDir(home_.path()).entryList(QDir::Files), filesBefore);
}

void TestFrmanalyse02::keypadsWriteOnlyIntoTheirWorkspace() {
    const QString base = records::paths::baseThesaurus();
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(base, {{"arma", "N2", "arma", "nom. nt. pl.", "_", "les armes"}});
    drive::mainWindowWithText(QStringLiteral("arma"));
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    analysis::frmanalyse* text = drive::workspace();
    QVERIFY(text);
    drive::clickRow(text, 1);
    frmanalyse02* ws = openAnalysis(saved_);
    clickRow(ws, 3);
    drive::button(ws, "Command1_b")->click();
    auto* keypad = ui::Forms::instance().find<keypads::KeypadWindow>(QStringLiteral("pave02_a1"));
    QVERIFY(keypad && keypad->isVisible() && !keypad->isModal());
    QTest::mouseClick(keypad->option(QStringLiteral("Option8")), Qt::LeftButton, {}, QPoint(4, 4));
    keypad->findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // "OK"
    QCOMPARE(drive::textField(ws, "Text4")->toPlainText(), QStringLiteral("A1"));
    QCOMPARE(drive::textField(text, "Text4")->toPlainText(), QStringLiteral("N2"));
    drive::moodKeypadButton(ws)->click();
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("pave03_b1")));
    ws->unload();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave03_b1")));
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("frmanalyse")));
}

void TestFrmanalyse02::secondOpeningKeepsTheFirstAnalysis() {
    frmanalyse02* ws = openAnalysis(saved_);
    const QString other = home_.file(QStringLiteral("autre.dat"));
    QVERIFY(analysis::saveAnalysisFile(other, {kSaved[2]}).ok());
    QCOMPARE(openAnalysis(other), ws);
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 0).trimmed(), QStringLiteral("Arma"));
}

void TestFrmanalyse02::savedAgainUnderAnotherName() {
    frmanalyse02* ws = openAnalysis(saved_);
    const QString copy = home_.file(QStringLiteral("copie.dat"));
    platform_->fileNames.push_back(copy);
    drive::saveAction(ws)->trigger();
    QCOMPARE(platform_->messageTexts(),
             QStringList{QStringLiteral("L'enregistrement est terminé.")});
    const QByteArray before = readFile(saved_);
    const QByteArray after = readFile(copy);
    QCOMPARE(after.size(), before.size());
    for (qsizetype r = 0; r < before.size() / 218; ++r) {
        QCOMPARE(after.mid(r * 218 + 2, 206), before.mid(r * 218 + 2, 206));
    }
}

// A thesaurus or a text opened as an analysis: shown by whole records, said once, not written.
void TestFrmanalyse02::fileOfAnotherKindIsWarnedAndLeftAlone() {
    const QString thesaurus = home_.file(QStringLiteral("thesaurus.dat"));
    writeThesaurus(thesaurus, {{"arma", "N2", "arma", "nom. nt. pl.", "_", "les armes"},
                               {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"}});
    const QByteArray bytes = readFile(thesaurus);
    frmanalyse02* ws = openAnalysis(thesaurus);
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(
        platform_->messages[0].text.contains(QStringLiteral("ne semble pas être un fichier "
                                                            "d'analyse")));
    QCOMPARE(drive::analysisGrid(ws)->rows(), 2);  // 432 bytes: one whole record of 218
    clickRow(ws, 1);
    drive::button(ws, "Command2")->click();
    drive::button(ws, "Command3")->click();
    QCOMPARE(readFile(thesaurus), bytes);
    QCOMPARE(platform_->messages.size(), 1);
}

QTEST_MAIN(TestFrmanalyse02)
#include "test_frmanalyse02.moc"
