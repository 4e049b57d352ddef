#include "core/grid/csv.h"
#include "core/grid/listing.h"
#include "support/cleanstart.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "ui/gridrowsmodel.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using analysis::frmanalyse;

namespace {

const std::vector<Analysis> kMine = {
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"rosa", "N1", "rosa", "abl. f. sg.", "_", "par la rose"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
};

// Every cell of every row below the header, with its bold flag and colour.
QList<QStringList> gridState(const ui::Grid* grid) {
    QList<QStringList> rows;
    for (int r = 1; r < grid->rows(); ++r) {
        rows << drive::rowCells(grid, r);
    }
    return rows;
}

}  // namespace

class TestHistory : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void undoAndRedoRestoreTheGridExactly();
    void keepingSaysWhatItRemoved();
    void keepingEverywhereAfterEditsFindsEveryOccurrence();
    void exportAndPreviewOfTheGrid();

  private:
    frmanalyse* open(const QString& text);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestHistory::init() {
    startClean(platform_, home_);
    mine_ = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine_, kMine);
}

void TestHistory::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse* TestHistory::open(const QString& text) {
    return drive::analyseWithThesaurus(*platform_, text, mine_);
}

// Validating (and storing), deleting, duplicating and keeping, then undoing all of it and
// redoing it: the grid comes back cell for cell each way, and the thesaurus keeps what was
// stored.
void TestHistory::undoAndRedoRestoreTheGridExactly() {
    frmanalyse* ws = open(QStringLiteral("rosa cano rosa primus"));
    QVERIFY(QTest::qWaitForWindowActive(ws));
    QVERIFY(!drive::action(ws, "annuler")->isEnabled());
    QList<QList<QStringList>> states{gridState(drive::analysisGrid(ws))};

    drive::clickRow(ws, 6);  // primus, not found
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("primus"));
    drive::textField(ws, "Text4")->setPlainText(QStringLiteral("A1"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(QFileInfo(mine_).size(), 4 * 216);
    states << gridState(drive::analysisGrid(ws));
    drive::clickRow(ws, 3);  // cano
    drive::button(ws, "Command3")->click();
    states << gridState(drive::analysisGrid(ws));
    drive::clickRow(ws, 1);
    drive::action(ws, "dupliquer")->trigger();
    states << gridState(drive::analysisGrid(ws));
    drive::clickRow(ws, 3);  // rosa, ablative
    drive::action(ws, "garderPartout")->trigger();
    states << gridState(drive::analysisGrid(ws));
    QCOMPARE(drive::analysisGrid(ws)->rows() - 1, states[3].size() - 3);
    QCOMPARE(ws->history()->count(), 4);
    const QByteArray stored = readFile(mine_);

    // Undone from the keyboard, as from the menu.
    QTest::keyClick(drive::analysisGrid(ws)->view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(gridState(drive::analysisGrid(ws)), states[3]);
    for (int step = 2; step >= 0; --step) {
        drive::action(ws, "annuler")->trigger();
        QCOMPARE(gridState(drive::analysisGrid(ws)), states[step]);
    }
    QVERIFY(ws->statusBar()->currentMessage().contains(QStringLiteral("y reste")));
    QCOMPARE(readFile(mine_), stored);  // undoing never touches the thesaurus
    QTest::keyClick(drive::analysisGrid(ws)->view(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(gridState(drive::analysisGrid(ws)), states[1]);
    for (int step = 2; step <= 4; ++step) {
        drive::action(ws, "retablir")->trigger();
        QCOMPARE(gridState(drive::analysisGrid(ws)), states[step]);
    }
    QCOMPARE(readFile(mine_), stored);
    // The detail panel follows what undo and redo select.
    QCOMPARE(drive::lineField(ws, "Text1")->text(),
             drive::analysisGrid(ws)->textAt(int(ws->selectedRow()), 0).trimmed());
}

void TestHistory::keepingSaysWhatItRemoved() {
    frmanalyse* ws = open(QStringLiteral("rosa cano rosa"));
    drive::action(ws, "garder")->trigger();
    QCOMPARE(platform_->messageTexts(),
             QStringList{QStringLiteral("Veuillez sélectionner une forme.")});
    drive::clickRow(ws, 3);  // cano: one analysis
    drive::action(ws, "garder")->trigger();
    QVERIFY(ws->statusBar()->currentMessage().startsWith(QStringLiteral("Aucune autre analyse")));
    QCOMPARE(ws->history()->count(), 0);
    drive::clickRow(ws, 5);  // rosa, ablative, second occurrence
    drive::action(ws, "garder")->trigger();
    QCOMPARE(ws->statusBar()->currentMessage(),
             QStringLiteral("Analyse gardée : 1 ligne supprimée."));
    QCOMPARE(ws->selectedRow(), 4);
    QCOMPARE(drive::textField(ws, "Text5")->toPlainText(), QStringLiteral("abl. f. sg."));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 4).trimmed(),
             QStringLiteral("nom. f. sg."));  // untouched
    drive::clickRow(ws, 1);
    drive::action(ws, "garderPartout")->trigger();
    QCOMPARE(ws->statusBar()->currentMessage(),
             QStringLiteral("Analyse gardée : 1 ligne supprimée."));
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 0), QStringLiteral("cano"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(3, 4).trimmed(), QStringLiteral("abl. f. sg."));
}

// Keep-all on a form met a dozen times, after edits that moved the rows and respelt one form:
// it finds the occurrences where they are now, and undo and redo bring back each grid.
void TestHistory::keepingEverywhereAfterEditsFindsEveryOccurrence() {
    frmanalyse* ws = open(QStringLiteral("rosa cano ").repeated(12));
    QList<QList<QStringList>> states{gridState(drive::analysisGrid(ws))};
    drive::clickRow(ws, 3);  // cano: one analysis, nothing to keep, but the forms are indexed
    drive::action(ws, "garderPartout")->trigger();
    drive::action(ws, "dupliquer")->trigger();
    drive::checkBox(ws, "Check1")->setChecked(false);
    drive::clickRow(ws, 5);  // the second rosa, nominative: respelt ROSA
    drive::lineField(ws, "Text1")->setText(QStringLiteral("ROSA"));
    drive::button(ws, "Command2")->click();
    drive::clickRow(ws, 1);
    drive::button(ws, "Command3")
        ->click();  // the first rosa's nominative goes; its ablative is alone
    states << gridState(drive::analysisGrid(ws));
    // The index of forms has followed the edits row for row.
    std::vector<qint64> rosa;
    for (int r = 1; r < drive::analysisGrid(ws)->rows(); ++r) {
        if (drive::analysisGrid(ws)->textAt(r, 0).trimmed().toLower() == u"rosa"_qs) {
            rosa.push_back(r);
        }
    }
    auto* model = qobject_cast<ui::GridRowsModel*>(drive::analysisGrid(ws)->model());
    QCOMPARE(model->rowsOfForm(QStringLiteral("rosa")), rosa);
    drive::clickRow(ws, 5);  // the second rosa, ablative, below ROSA
    drive::action(ws, "garderPartout")->trigger();
    QCOMPARE(ws->statusBar()->currentMessage(),
             QStringLiteral("Analyse gardée à 11 occurrences : 11 lignes supprimées."));
    QCOMPARE(ws->selectedRow(), 4);
    QCOMPARE(drive::analysisGrid(ws)->textAt(4, 4).trimmed(), QStringLiteral("abl. f. sg."));
    for (int r = 1; r < drive::analysisGrid(ws)->rows(); ++r) {
        QVERIFY2(!drive::analysisGrid(ws)->textAt(r, 4).startsWith(QStringLiteral("nom.")),
                 qPrintable(QString::number(r)));
    }
    states << gridState(drive::analysisGrid(ws));
    drive::action(ws, "annuler")->trigger();
    QCOMPARE(gridState(drive::analysisGrid(ws)), states[1]);
    drive::action(ws, "retablir")->trigger();
    QCOMPARE(gridState(drive::analysisGrid(ws)), states[2]);
    for (int step = 0; step < 4; ++step) {
        drive::action(ws, "annuler")->trigger();
    }
    QCOMPARE(gridState(drive::analysisGrid(ws)), states[0]);
}

void TestHistory::exportAndPreviewOfTheGrid() {
    frmanalyse* ws = open(QStringLiteral("rosa, cano"));
    const QString csv = home_.file(QStringLiteral("analyse.csv"));
    platform_->fileNames.push_back(csv);
    drive::action(ws, "exporter")->trigger();
    QCOMPARE(readFile(csv), QByteArray("\xEF\xBB\xBF"
                                       "Formes,Lemme,Traduction,Cat. gramm.,\"Cas, genre, nombre\","
                                       "\"Mode, temps, voix\",Indic.\r\n"
                                       "rosa,rosa,la rose,N1,nom. f. sg.,_,\r\n"
                                       "rosa,rosa,par la rose,N1,abl. f. sg.,_,\r\n"
                                       "cano,cano,chanter,V3,1 sg.,ind. pr\xC3\xA9s. act.,\r\n"));
    // Asked again, the file is replaced only once the user agrees.
    platform_->fileNames.push_back(csv);
    platform_->answers.push_back(ui::Answer::No);
    drive::action(ws, "exporter")->trigger();
    QCOMPARE(platform_->messages.last().title, QStringLiteral("Fichier existant"));

    drive::action(ws, "apercu")->trigger();
    drive::action(ws, "imprimer")->trigger();
    QCOMPARE(platform_->previews.size(), 1);
    QCOMPARE(platform_->previews[0], platform_->documents.front().pages);
    // A grid of thousands of rows is written a piece at a time, as one table.
    drive::closeAll();
    ws = open(QStringLiteral("rosa cano ").repeated(1100));
    const ui::Grid* grid = drive::analysisGrid(ws);
    QStringList header;
    for (int c = 0; c < grid->cols(); ++c) {
        header << grid->textAt(0, c);
    }
    QList<QStringList> rows;
    for (int r = 1; r < grid->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->cols(); ++c) {
            cells << grid->textAt(r, c);
        }
        rows << cells;
    }
    QCOMPARE(rows.size(), 3300);
    platform_->fileNames.push_back(csv);
    platform_->answers.push_back(ui::Answer::Yes);
    drive::action(ws, "exporter")->trigger();
    QCOMPARE(readFile(csv), analysis::csvBytes(header, rows));
    QCOMPARE(platform_->messages.last().text,
             QStringLiteral("L'exportation est terminée : 3300 lignes."));
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
