// The analysis workspaces keep the user's work and data: the question before unsaved changes
// are closed away, the duplicate rule against the thesaurus as it is on disk, and a keyboard road
// through the window.

#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"
#include "windows/workspaces/frmanalyse02.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using analysis::frmanalyse;

namespace {

const std::vector<Analysis> kMine = {
    {"Rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
};

const QString kQuestion = QStringLiteral("Enregistrer les modifications de l'analyse ?");

int questionsAsked(const FakePlatform& platform) {
    return static_cast<int>(platform.messageTexts().count(kQuestion));
}

}  // namespace

class TestSafeguards : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void closingAsksOnlyWithUnsavedChanges();
    void closingAnswers_data();
    void closingAnswers();
    void endingTheProgramAsksFirst();
    void duplicateRuleReadsTheThesaurusAsItIsNow();
    void keyboardReachesTheDetailPanelAndBack();
    void titleNamesTheTextAndScreenReadersHearTheStatus();
    void fileMenuEndsWithQuitter();
    void emptyAnalysisFileIsTold();

  private:
    frmanalyse* open(const QString& text = QStringLiteral("Rosa cano"));
    // Validates row 1 as it is shown, a change of the grid.
    void changeTheGrid(frmanalyse* ws);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestSafeguards::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(records::paths::baseThesaurus(), kMine);
    mine_ = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine_, kMine);
}

void TestSafeguards::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    platform_.reset();
}

frmanalyse* TestSafeguards::open(const QString& text) {
    return drive::analyseWithThesaurus(*platform_, text, mine_);
}

void TestSafeguards::changeTheGrid(frmanalyse* ws) {
    drive::clickRow(ws, 2);
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("chanter, célébrer"));
    drive::button(ws, "Command2")->click();
    QVERIFY(ws->hasUnsavedChanges());
}

void TestSafeguards::closingAsksOnlyWithUnsavedChanges() {
    frmanalyse* ws = open();
    QVERIFY(!ws->hasUnsavedChanges());
    QVERIFY(ws->mayClose());
    QCOMPARE(questionsAsked(*platform_), 0);

    changeTheGrid(ws);
    ws->history()->undo();  // back to the grid as it opened
    QVERIFY(ws->mayClose());
    QCOMPARE(questionsAsked(*platform_), 0);

    ws->history()->redo();
    const QString saved = home_.file(QStringLiteral("analyse.dat"));
    platform_->fileNames.push_back(saved);
    drive::saveAction(ws)->trigger();
    QVERIFY(QFileInfo::exists(saved));
    QVERIFY(ws->mayClose());  // saved: nothing to lose
    QCOMPARE(questionsAsked(*platform_), 0);
}

void TestSafeguards::closingAnswers_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Annuler") << int(ui::Answer::Cancel) << false << false;
    QTest::newRow("Ne pas enregistrer") << int(ui::Answer::Discard) << false << true;
    QTest::newRow("Enregistrer") << int(ui::Answer::Save) << true << true;
    QTest::newRow("Enregistrer, file dialog cancelled") << int(ui::Answer::Save) << false << false;
}

void TestSafeguards::closingAnswers() {
    QFETCH(int, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, closed);
    frmanalyse* ws = open();
    changeTheGrid(ws);
    const QString saved = home_.file(QStringLiteral("analyse.dat"));
    QFile::remove(saved);
    platform_->answers.push_back(ui::Answer(answer));
    if (saveSucceeds) {
        platform_->fileNames.push_back(saved);
    }
    drive::action(ws, "quitter")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(questionsAsked(*platform_), 1);
    QCOMPARE(platform_->messages.first().buttons, ui::Buttons::SaveDiscardCancel);
    QCOMPARE(drive::workspace() == nullptr, closed);
    QCOMPARE(QFileInfo(saved).size(), saveSucceeds ? 2 * records::AnalysisRecord::Length : 0);
}

void TestSafeguards::endingTheProgramAsksFirst() {
    frmanalyse* ws = open();
    changeTheGrid(ws);
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    platform_->answers.push_back(ui::Answer::Cancel);
    drive::action(main, "quitter")->trigger();
    QCOMPARE(questionsAsked(*platform_), 1);
    QVERIFY(ui::Forms::instance().find<shell::Morphologique>());
    QVERIFY(drive::workspace());

    // Not saving ends the program without asking again.
    platform_->answers.push_back(ui::Answer::Discard);
    drive::action(main, "quitter")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(questionsAsked(*platform_), 2);
    QVERIFY(ui::Forms::instance().loadedNames().isEmpty());
}

// Another window or program deletes the entry: validating it again stores it again.
void TestSafeguards::duplicateRuleReadsTheThesaurusAsItIsNow() {
    frmanalyse* ws = open();
    records::RecordFile file(mine_, records::ThesaurusRecord::Length);
    QVERIFY(file.open());
    records::ThesaurusRecord deleted = thesaurusRecord(kMine[0], 1);
    deleted.setAnalysis(records::kDeletedForm, QString(), QString(), QString(), QString(),
                        QString());
    QVERIFY(file.write(1, deleted));
    file.close();

    drive::clickRow(ws, 1);
    drive::button(ws, "Command2")->click();
    QVERIFY2(!platform_->messageTexts().contains(
                 QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus.")),
             "refused against the entry as it was read");
    QCOMPARE(QFileInfo(mine_).size(), 3 * records::ThesaurusRecord::Length);

    // And the one just stored is a duplicate at once.
    drive::button(ws, "Command2")->click();
    QVERIFY(platform_->messageTexts().contains(
        QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus.")));
    QCOMPARE(QFileInfo(mine_).size(), 3 * records::ThesaurusRecord::Length);
}

void TestSafeguards::keyboardReachesTheDetailPanelAndBack() {
    frmanalyse* ws = open();
    QVERIFY(QTest::qWaitForWindowActive(ws));
    QTableView* grid = drive::analysisGrid(ws)->view();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), drive::textField(ws, "Text2"));
    QTest::keyClick(drive::textField(ws, "Text2"), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), grid);
    QVERIFY(drive::action(ws, "basculer")->text().contains(QLatin1Char('&')));
    // From anywhere else in the window, F6 goes back to the grid.
    drive::textField(ws, "Text4")->setFocus();
    QTest::keyClick(drive::textField(ws, "Text4"), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), grid);

    // Tab goes through the detail panel as it reads: a field, then its keypad.
    drive::textField(ws, "Text4")->setFocus();
    QTest::keyClick(drive::textField(ws, "Text4"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive::button(ws, "Command1_b"));
    QTest::keyClick(drive::button(ws, "Command1_b"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive::textField(ws, "Text5"));

    // Tab leaves the grid rather than walking through its cells.
    const QModelIndex before = grid->currentIndex();
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != grid);
    QCOMPARE(grid->currentIndex(), before);
}

void TestSafeguards::titleNamesTheTextAndScreenReadersHearTheStatus() {
    const QString text = home_.file(QStringLiteral("bucoliques.txt"));
    QVERIFY(writeFile(text, "Rosa cano"));
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    ui::Forms::showModeless(main);
    main->openText(text);
    platform_->fileNames.push_back(mine_);
    drive::button(drive::openThesaurusChoice(), "Command2")->click();
    frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    QCOMPARE(ws->windowTitle(),
             QStringLiteral("Vorante Lumivexa - Analyse morphologique - bucoliques.txt"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Vorante Lumivexa - Analyse morphologique"));
    QVERIFY(
        drive::child<QLabel>(ws, "storingLabel")->text().contains(QDir::toNativeSeparators(mine_)));
    QCOMPARE(drive::child<QLabel>(ws, "storingLabel")->accessibleName(),
             drive::child<QLabel>(ws, "storingLabel")->text());
}

void TestSafeguards::fileMenuEndsWithQuitter() {
    frmanalyse* ws = open();
    const QList<QAction*> items = drive::menu(ws, "fichier")->actions();
    QCOMPARE(items.last(), drive::action(ws, "quitter"));
    for (QAction* added : {drive::action(ws, "apercu"), drive::action(ws, "exporter"),
                           drive::action(ws, "completer"), drive::action(ws, "paradigme")}) {
        QVERIFY2(added->text().contains(QLatin1Char('&')), qPrintable(added->text()));
    }
}

void TestSafeguards::emptyAnalysisFileIsTold() {
    const QString empty = home_.file(QStringLiteral("vide.dat"));
    QVERIFY(writeFile(empty, QByteArray()));
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    ui::Forms::showModeless(main);
    platform_->fileNames.push_back(empty);
    drive::action(main, "ouvriranalyse")->trigger();
    auto* ws = ui::Forms::instance().find<analysis::frmanalyse02>();
    QVERIFY(ws);
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY2(platform_->messages[0].text.contains(QStringLiteral("il est vide")),
             qPrintable(platform_->messages[0].text));
    QVERIFY(ws->windowTitle().endsWith(QStringLiteral(" - vide.dat")));
}

QTEST_MAIN(TestSafeguards)
#include "test_safeguards.moc"
