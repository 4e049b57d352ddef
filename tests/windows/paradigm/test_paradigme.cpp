#include "core/morphology/morphology.h"
#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/lexicon/frmlexique.h"
#include "windows/paradigm/Paradigme.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using paradigm::Paradigme;

namespace {

const QString kBuildDatabase =
    QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(analysis::MorphologyDatabase::kFileName);

QStringList menuTexts(const QMainWindow* w) {
    QStringList menus;
    for (QAction* top : w->menuBar()->actions()) {
        menus << top->text() + QLatin1Char(':');
        for (QAction* item : top->menu()->actions()) {
            menus << item->objectName() + QLatin1Char('=') + item->text();
        }
    }
    return menus;
}

// A control of the window, found by its name as the user's tools find it.
template <class T>
T* child(const QObject* w, const char* name) {
    T* found = w->findChild<T*>(QLatin1String(name));
    if (!found) {
        qFatal("no control named %s", name);
    }
    return found;
}

// The numbered controls of the shown tables (titles "Titre1"..., grids "grille1"...), in order.
template <class T>
QList<T*> tableParts(const Paradigme* w, const QString& stem) {
    QList<T*> parts;
    const QWidget* tables = child<QScrollArea>(w, "Tableaux")->widget();
    while (tables) {
        T* part = tables->findChild<T*>(stem + QString::number(parts.size() + 1));
        if (!part) {
            break;
        }
        parts << part;
    }
    return parts;
}

QList<QTableWidget*> grids(const Paradigme* w) {
    return tableParts<QTableWidget>(w, QStringLiteral("grille"));
}

QStringList titles(const Paradigme* w) {
    QStringList out;
    for (const QLabel* title : tableParts<QLabel>(w, QStringLiteral("Titre"))) {
        out << title->text();
    }
    return out;
}

// The highlighted cells of the window's grids, as "table title: row header / column header".
QStringList highlighted(const Paradigme* w) {
    QStringList out;
    const QList<QTableWidget*> shown = grids(w);
    const QStringList names = titles(w);
    for (qsizetype t = 0; t < shown.size(); ++t) {
        const QTableWidget* grid = shown[t];
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                if (item->font().bold()) {
                    out << names[t] + QStringLiteral(": ") + grid->verticalHeaderItem(r)->text() +
                               QStringLiteral(" / ") + grid->horizontalHeaderItem(c)->text() +
                               QStringLiteral(" = ") + item->text();
                }
            }
        }
    }
    return out;
}

}  // namespace

class TestParadigme : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensOnceAndShowsTheTablesOfEachLemma();
    void tablesShowWholeAtTheDefaultSize();
    void aNarrowWindowStacksThePluralUnderItsSingular();
    void homographsAreOffered();
    void saysWhyThereIsNoParadigm();
    void printsPreviewsAndExportsTheParadigm();
    void opensFromTheLexiconOnTheSelectedLemma();
    void opensFromTheWorkspaceOnTheClickedRow();
    void escapeClosesIt();

  private:
    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QWidget* caller_ = nullptr;
};

void TestParadigme::init() {
    startClean(platform_, home_);
    analysis::useMorphologyDatabase(kBuildDatabase);
    caller_ = new QWidget;
}

void TestParadigme::cleanup() {
    drive::closeAll();
    delete caller_;
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

void TestParadigme::opensOnceAndShowsTheTablesOfEachLemma() {
    Paradigme* w = paradigm::openParadigm("amo", "amabam", caller_);
    QVERIFY(w && w->isVisible());
    QCOMPARE(platform_->busyCount, 1);
    QCOMPARE(w->windowTitle(), u"Vorante Lumivexa - Paradigme"_qs);
    QCOMPARE(menuTexts(w),
             (QStringList{"&Fichier:", "imprimer=&Imprimer",
                          u"apercu=&Aperçu avant impression..."_qs, "exporter=E&xporter en CSV...",
                          "=", "quitter=&Quitter", "&Aide:", "about=&A propos de"}));
    QVERIFY(child<QLabel>(w, "lblLemme")->text().contains(u"V1, verbe 1re conjugaison"_qs));
    QCOMPARE(child<QLabel>(w, "lblForme")->text(),
             u"Forme cherchée : amabam (surlignée dans les tableaux)"_qs);
    QVERIFY(child<QComboBox>(w, "Combo1")->isHidden());
    QVERIFY(child<QLabel>(w, "Labelparadigme")->isHidden());
    // One grid per table of the paradigm, under its title, headers in French.
    const analysis::Paradigm& p = w->paradigm();
    QCOMPARE(grids(w).size(), qsizetype(p.tables.size()));
    QCOMPARE(titles(w).front(), u"Indicatif actif"_qs);
    QVERIFY(titles(w).contains(u"Formes nominales"_qs));
    const QTableWidget* indicative = grids(w).front();
    QCOMPARE(indicative->horizontalHeaderItem(0)->text(), u"Présent"_qs);
    QCOMPARE(indicative->verticalHeaderItem(5)->text(), u"3e pers. pl."_qs);
    QCOMPARE(indicative->item(0, 0)->text(), u"amo"_qs);
    QCOMPARE(indicative->item(5, 3)->text(), u"amavere, amaverunt"_qs);
    // The form asked for: bold on a background of its own, and only there.
    QCOMPARE(highlighted(w),
             QStringList{u"Indicatif actif: 1re pers. sg. / Imparfait = amabam"_qs});
    QVERIFY(indicative->item(0, 1)->background().color() !=
            indicative->item(0, 0)->background().color());
    QCOMPARE(indicative->editTriggers(), QAbstractItemView::NoEditTriggers);

    // Opened again on another lemma: the same window, showing that lemma only.
    QCOMPARE(paradigm::openParadigm("rosa", "rosas", caller_), w);
    QCOMPARE(ui::Forms::instance().loadedNames().count(u"Paradigme"_qs), 1);
    QCOMPARE(titles(w), QStringList{u"Déclinaison (féminin)"_qs});
    QCOMPARE(grids(w).size(), 1);
    QCOMPARE(highlighted(w), QStringList{u"Déclinaison (féminin): Accusatif / Pluriel = rosas"_qs});
    QCOMPARE(child<QScrollArea>(w, "Tableaux")->widget()->findChildren<QTableWidget*>().size(), 1);
    paradigm::openParadigm("rosa", QString(), caller_);
    QVERIFY(child<QLabel>(w, "lblForme")->isHidden());
    QVERIFY(highlighted(w).isEmpty());
    paradigm::openParadigm("rosa", "amabam", caller_);
    QCOMPARE(child<QLabel>(w, "lblForme")->text(),
             u"La forme « amabam » n'est pas dans ce paradigme."_qs);
    QVERIFY(platform_->messages.isEmpty());
}

void TestParadigme::tablesShowWholeAtTheDefaultSize() {
    Paradigme* w = paradigm::openParadigm("amo", "amatus", caller_);
    QApplication::processEvents();
    const int viewport = child<QScrollArea>(w, "Tableaux")->viewport()->width();
    QCOMPARE(child<QScrollArea>(w, "Tableaux")->horizontalScrollBar()->maximum(), 0);
    for (const QTableWidget* grid : grids(w)) {
        QVERIFY2(grid->width() <= viewport, qPrintable(grid->accessibleName()));
        // Every cell as wide as its text needs, or, in the widest columns, wrapped in a row as
        // tall as it needs.
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QSize needed = grid->sizeHintForIndex(grid->model()->index(r, c));
                QVERIFY2((needed.width() <= grid->columnWidth(c) || grid->columnWidth(c) >= 280) &&
                             needed.height() <= grid->rowHeight(r),
                         qPrintable(grid->item(r, c)->text()));
            }
        }
        // Shown whole: the grid never scrolls, the scroll area around the tables does.
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        const QHeaderView* rows = grid->verticalHeader();
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QString label = grid->verticalHeaderItem(r)->text();
            QVERIFY(rows->fontMetrics().horizontalAdvance(label) < rows->width());
        }
    }
    // A plural beside its singular.
    const qsizetype singular = titles(w).indexOf(u"Participe parfait passif, singulier"_qs);
    QVERIFY(singular >= 0);
    const QPoint left = grids(w)[singular]->mapTo(w, QPoint());
    const QPoint right = grids(w)[singular + 1]->mapTo(w, QPoint());
    QCOMPARE(right.y(), left.y());
    QVERIFY(right.x() > left.x() + grids(w)[singular]->width());
    QVERIFY(child<QScrollArea>(w, "Tableaux")->verticalScrollBar()->maximum() > 0);
    // The first table that holds the form is brought into view.
    QTRY_VERIFY(child<QScrollArea>(w, "Tableaux")->verticalScrollBar()->value() > 0);
}

void TestParadigme::aNarrowWindowStacksThePluralUnderItsSingular() {
    Paradigme* w = paradigm::openParadigm("amo", "amatus", caller_);
    w->resize(w->minimumSizeHint().width(), w->height());
    paradigm::openParadigm("amo", "amatus", caller_);
    QApplication::processEvents();
    const qsizetype singular = titles(w).indexOf(u"Participe parfait passif, singulier"_qs);
    QVERIFY(singular > 0);
    const QList<QTableWidget*> tables = grids(w);
    const QList<QLabel*> tableTitles = tableParts<QLabel>(w, QStringLiteral("Titre"));
    // Each table below the one before, none overlapping, the plural under its singular.
    for (qsizetype t = singular; t <= singular + 1; ++t) {
        const QWidget* above = tables[t - 1];
        const QLabel* table = tableTitles[t];
        QVERIFY2(table->mapTo(w, QPoint()).y() >= above->mapTo(w, QPoint(0, above->height())).y(),
                 qPrintable(table->text()));
    }
    QCOMPARE(tableTitles[singular + 1]->mapTo(w, QPoint()).x(),
             tableTitles[singular]->mapTo(w, QPoint()).x());
}

void TestParadigme::homographsAreOffered() {
    Paradigme* w = paradigm::openParadigm("cum", QString(), caller_, "CS");
    QVERIFY(!child<QComboBox>(w, "Combo1")->isHidden());
    QCOMPARE(child<QComboBox>(w, "Combo1")->count(), 2);
    QCOMPARE(child<QComboBox>(w, "Combo1")->currentText().section(u' ', 0, 1), u"cum (CS)"_qs);
    QVERIFY(child<QLabel>(w, "lblLemme")->text().contains(u"CS, conjonction de subordination"_qs));
    const int pre = child<QComboBox>(w, "Combo1")->findText(u"cum (PRE)"_qs, Qt::MatchStartsWith);
    QVERIFY(pre >= 0);
    emit child<QComboBox>(w, "Combo1")->activated(pre);
    QVERIFY(child<QLabel>(w, "lblLemme")->text().contains(u"PRE, préposition"_qs));
    QCOMPARE(w->paradigm().lemma.category, u"PRE"_qs);
    QCOMPARE(platform_->busyDepth, 0);
    // A name with one lemma hides the choice again.
    paradigm::openParadigm("rosa", QString(), caller_);
    QVERIFY(child<QComboBox>(w, "Combo1")->isHidden());
    QVERIFY(child<QLabel>(w, "Label3")->isHidden());
}

void TestParadigme::saysWhyThereIsNoParadigm() {
    Paradigme* w = paradigm::openParadigm("xyzzy", QString(), caller_);
    QVERIFY(w->isVisible());
    QVERIFY(!child<QLabel>(w, "Labelparadigme")->isHidden());
    QVERIFY(child<QScrollArea>(w, "Tableaux")->isHidden());
    QCOMPARE(child<QLabel>(w, "Labelparadigme")->text(),
             u"Le lemme « xyzzy » n'est pas dans la base morphologique : son paradigme n'est pas "
             u"connu."_qs);
    QVERIFY(grids(w).isEmpty());
    // Nothing to print or export, and the user is told so.
    child<QAction>(w, "imprimer")->trigger();
    child<QAction>(w, "exporter")->trigger();
    QVERIFY(platform_->documents.empty());
    QCOMPARE(platform_->messageTexts(),
             (QStringList{u"La liste est vide : il n'y a rien à imprimer."_qs,
                          u"La liste est vide : il n'y a rien à exporter."_qs}));

    // Without a database, the window says why.
    const QString missing = home_.file("absente.sqlite");
    analysis::useMorphologyDatabase(missing);
    paradigm::openParadigm("amo", "amo", caller_);
    QCOMPARE(
        child<QLabel>(w, "Labelparadigme")->text(),
        "La base morphologique n'est pas disponible : le fichier " + missing + " est introuvable.");
    QVERIFY(child<QScrollArea>(w, "Tableaux")->isHidden());
    // And with the database back, the tables come back.
    analysis::useMorphologyDatabase(kBuildDatabase);
    paradigm::openParadigm("amo", "amo", caller_);
    QVERIFY(child<QLabel>(w, "Labelparadigme")->isHidden());
    QVERIFY(!child<QScrollArea>(w, "Tableaux")->isHidden());
    QVERIFY(!grids(w).isEmpty());
}

void TestParadigme::printsPreviewsAndExportsTheParadigm() {
    Paradigme* w = paradigm::openParadigm("amo", "amabam", caller_);
    const analysis::Pages pages = analysis::paradigmListing(w->paradigm());
    QVERIFY(pages.size() > 1);
    child<QAction>(w, "imprimer")->trigger();
    QCOMPARE(platform_->documents.size(), std::size_t(1));
    QCOMPARE(platform_->documents[0].pages, pages);
    QVERIFY(platform_->documents[0].ended);
    child<QAction>(w, "apercu")->trigger();
    QCOMPARE(platform_->previews, QList<QList<QStringList>>{pages});
    platform_->cancelPrinting = true;
    child<QAction>(w, "imprimer")->trigger();
    QCOMPARE(platform_->documents.size(), std::size_t(1));

    const QString csv = home_.file("amo.csv");
    platform_->fileNames.push_back(csv);
    child<QAction>(w, "exporter")->trigger();
    const QList<QStringList> rows = analysis::paradigmCsvRows(w->paradigm());
    QCOMPARE(platform_->messageTexts(),
             QStringList{u"L'exportation est terminée : %1 lignes."_qs.arg(rows.size())});
    const QStringList lines = QString::fromUtf8(readFile(csv)).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), rows.size() + 1);
    QVERIFY(lines[0].contains(u"Tableau"_qs) && lines[0].contains(u"Forme"_qs));
    QVERIFY(lines[1].contains(u"Indicatif actif"_qs) && lines[1].contains(u"amo"_qs));
}

void TestParadigme::opensFromTheLexiconOnTheSelectedLemma() {
    QVERIFY(home_.installShippedData());
    shell::Morphologique* main = drive::mainWindowWithText(QStringLiteral("amo"));
    drive::action(main, "lexique")->trigger();
    auto* lexicon = ui::Forms::instance().find<lexicon::frmlexique>();
    QVERIFY(lexicon);
    // At the end of "&Recherche", after the letters.
    QCOMPARE(drive::menu(lexicon, "recherche")->actions().last()->objectName(), u"paradigme"_qs);
    QCOMPARE(drive::action(lexicon, "paradigme")->text(), u"&Paradigme du lemme..."_qs);
    const QString noneSelected =
        u"Aucun lemme n'est sélectionné : cliquez d'abord sur un lemme de la liste."_qs;
    drive::action(lexicon, "paradigme")->trigger();  // nothing listed yet
    drive::lineField(lexicon, "Text1")->setText(QStringLiteral("am"));
    drive::button(lexicon, "Command1")->click();
    drive::action(lexicon, "paradigme")->trigger();  // listed, but no row chosen
    QCOMPARE(platform_->messageTexts(), (QStringList{noneSelected, noneSelected}));
    QVERIFY(!ui::Forms::instance().find<Paradigme>());

    const std::vector<QStringList> rows = lexicon->resultRows();
    const auto amo = std::find_if(rows.begin(), rows.end(),
                                  [](const QStringList& row) { return row[0] == u"amo"_qs; });
    QVERIFY(amo != rows.end());
    drive::clickRow(drive::resultGrid(lexicon), int(amo - rows.begin()) + 1);
    drive::action(lexicon, "paradigme")->trigger();
    auto* w = ui::Forms::instance().find<Paradigme>();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->paradigm().lemma.lemma, u"amo"_qs);
    QCOMPARE(w->paradigm().lemma.category, u"V1"_qs);
    QVERIFY(child<QLabel>(w, "lblForme")->text().isEmpty());
    QCOMPARE(platform_->messages.size(), 2);
    // A new listing leaves no row chosen.
    drive::button(lexicon, "Command1")->click();
    drive::action(lexicon, "paradigme")->trigger();
    QCOMPARE(platform_->messageTexts().last(), noneSelected);
}

void TestParadigme::opensFromTheWorkspaceOnTheClickedRow() {
    QVERIFY(home_.installShippedData());
    drive::mainWindowWithText(QStringLiteral("Dominus xyzzy amat."));
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    analysis::frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    // At the end of the lexicon menu, and as a button below the detail panel.
    QCOMPARE(drive::menu(ws, "lex")->actions().last(), drive::action(ws, "paradigme"));
    QCOMPARE(drive::action(ws, "paradigme")->text(), u"&Paradigme du lemme..."_qs);
    QCOMPARE(drive::button(ws, "cmdParadigme")->text(), u"&Paradigme du lemme..."_qs);
    drive::action(ws, "paradigme")->trigger();  // no row clicked yet
    QCOMPARE(platform_->messages.size(), 1);
    QVERIFY(!ui::Forms::instance().find<Paradigme>());

    // The not-found form has no lemma to inflect ("_" marks the empty field).
    const auto rowOf = [ws](const QString& form) {
        for (int r = 1; r < drive::analysisGrid(ws)->rows(); ++r) {
            if (drive::analysisGrid(ws)->textAt(r, 0).trimmed() == form) {
                return r;
            }
        }
        return -1;
    };
    drive::clickRow(ws, rowOf(u"xyzzy"_qs));
    drive::button(ws, "cmdParadigme")->click();
    QCOMPARE(platform_->messageTexts().last(),
             u"Le lemme de cette ligne est vide : complétez-le ou choisissez une autre ligne."_qs);
    QVERIFY(!ui::Forms::instance().find<Paradigme>());

    // The lemma of the clicked row, its form highlighted whatever its capitals.
    drive::clickRow(ws, rowOf(u"Dominus"_qs));
    drive::button(ws, "cmdParadigme")->click();
    auto* w = ui::Forms::instance().find<Paradigme>();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->paradigm().lemma.lemma, u"dominus"_qs);
    QCOMPARE(highlighted(w).size(), 1);
    QVERIFY(highlighted(w).first().endsWith(u"Nominatif / Singulier = dominus"_qs));
    drive::clickRow(ws, rowOf(u"amat"_qs));
    drive::action(ws, "paradigme")->trigger();
    QCOMPARE(ui::Forms::instance().find<Paradigme>(), w);
    QCOMPARE(w->paradigm().lemma.lemma, u"amo"_qs);
    QCOMPARE(highlighted(w), QStringList{u"Indicatif actif: 3e pers. sg. / Présent = amat"_qs});
    QCOMPARE(platform_->messages.size(), 2);
}

// A window one only looks at closes from the keyboard, as a dialog does.
void TestParadigme::escapeClosesIt() {
    Paradigme* w = paradigm::openParadigm("amo", "amo", caller_);
    QVERIFY(w && QTest::qWaitForWindowActive(w));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ui::Forms::instance().find<Paradigme>());
}

QTEST_MAIN(TestParadigme)
#include "test_paradigme.moc"
