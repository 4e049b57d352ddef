#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "ui/mnemonics.h"
#include "windows/browsers/frmrecherche01.h"
#include "windows/browsers/frmrecherche02.h"
#include "windows/lexicon/frmlexique.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

using thesaurus::frmrecherche01;
using thesaurus::frmrecherche02;
using ui::kNothingForForm;
using ui::kNothingForLetter;

namespace {

// The tip that shows when the mouse rests on a control.
QString hoverTip(QWidget* control) {
    const QPoint centre = control->rect().center();
    QHelpEvent hover(QEvent::ToolTip, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &hover);
    const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return tip;
}

// In ascending order of lower-cased form, as the base thesaurus is.
const std::vector<Analysis> kBase = {
    {"$$$", "_", "_", "_", "_", "_"},
    {"1a", "X", "un", "_", "_", "_"},
    {"_a", "X", "_", "_", "_", "_"},
    {"amo", "V1", "amo", "1 sg.", "ind. prés. act.", "aimer"},
    {"Amor", "N3", "amor", "nom. m. sg.", "_", "l'amour"},
    {"amor", "V1", "amo", "1 sg.", "ind. prés. pass.", "je suis aimé"},
    {"arma", "N2", "arma", "nom. n. pl.", "_", "les armes"},
    {"bellum", "N2", "bellum", "nom. n. sg.", "_", "la guerre"},
    {"Sed", "C", "sed", "_", "_", "mais"},
    {"sum", "V", "sum", "1 sg.", "ind. prés.", "être"},
    {"zona", "N1", "zona", "nom. f. sg.", "_", "la ceinture"},
    {"Écho", "N3", "echo", "nom. f. sg.", "_", "l'écho"},
};

QStringList column(const ui::ResultBrowser* browser, int col) {
    QStringList texts;
    for (const QStringList& row : browser->resultRows()) {
        texts << records::trimmedRight(row[col]);
    }
    return texts;
}

void list(ui::ResultBrowser* browser, char letter) {
    drive::letterItem(browser, letter - 'a')->trigger();
}

void search(ui::ResultBrowser* browser, const QString& text) {
    drive::lineField(browser, "Text1")->setText(text);
    drive::button(browser, "Command1")->click();
}

}  // namespace

class TestBrowsers : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void baseBrowserDesign();
    void baseBrowserListsAndSearches();
    void baseBrowserOpensOnce();
    void missingBaseThesaurusLeavesNothingBehind();
    void browsersOpenFromTheWorkspace();
    void otherBrowserAsksForItsFile();
    void otherBrowserListsEveryMatchingEntry();
    void printingTenBlocksAPage();
    void resultMessageIsAnnouncedAsShown();
    void fileMenusEndWithQuitter();

  private:
    frmrecherche01* openBase();
    frmrecherche02* openOther(const QString& path);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    shell::Morphologique* main_ = nullptr;
};

void TestBrowsers::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(records::paths::baseThesaurus(), kBase);
    main_ = drive::mainWindowWithText(QStringLiteral("amo arma"));
}

void TestBrowsers::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmrecherche01* TestBrowsers::openBase() {
    drive::action(main_, "thesaurusvorante")->trigger();
    return ui::Forms::instance().find<frmrecherche01>();
}

frmrecherche02* TestBrowsers::openOther(const QString& path) {
    platform_->fileNames.push_back(path);
    drive::action(main_, "thesaurusautre")->trigger();
    return ui::Forms::instance().find<frmrecherche02>();
}

void TestBrowsers::baseBrowserDesign() {
    frmrecherche01* b = openBase();
    QVERIFY(b && b->isVisible());
    QCOMPARE(b->windowTitle(), QStringLiteral("Vorante Lumivexa - Thesaurus de base"));
    QCOMPARE(platform_->busyCount, 1);
    QStringList menus;
    for (QAction* top : b->menuBar()->actions()) {
        menus << top->text() + QLatin1Char(':');
        for (QAction* item : top->menu()->actions()) {
            menus << item->objectName() + QLatin1Char('=') + item->text();
        }
    }
    // The designed menus, with the preview and the export before "&Quitter", which stays last.
    QCOMPARE(menus,
             (QStringList{"&Fichier:", "imprimer=&Imprimer", "apercu=A&perçu avant impression...",
                          "exporter=E&xporter en CSV...", "=", "quitter=&Quitter",
                          "&Recherche:", "=&Alphabétique", "&Aide:", "about=&A propos de"}));
    QCOMPARE(drive::menu(b, "alphabet")->actions().size(), 26);
    QCOMPARE(drive::menu(b, "alphabet")->actions().first()->objectName(), QStringLiteral("la"));
    QCOMPARE(drive::menu(b, "alphabet")->actions()[18]->text(), QStringLiteral("&S"));
    QCOMPARE(drive::menu(b, "alphabet")->actions().last()->objectName(), QStringLiteral("lz"));
    QCOMPARE(drive::child<QGroupBox>(b, "Frame1")->title(),
             QStringLiteral("Recherche d'une forme : "));
    QCOMPARE(drive::child<QGroupBox>(b, "Frame2")->title(),
             QStringLiteral("Résultat de la recherche :"));
    QVERIFY(drive::resultMessage(b)->isHidden());
    QCOMPARE(drive::resultMessage(b)->text(),
             QStringLiteral("Aucune information n'est disponible pour la forme demandée"));

    QCOMPARE(drive::resultGrid(b)->cols(), 6);
    QCOMPARE(drive::resultGrid(b)->rows(), 2);
    QCOMPARE(drive::rowCells(drive::resultGrid(b), 0),
             (QStringList{"Formes", "Lemme", "Traduction", "Cat. gramm.", "Cas, genre, nombre",
                          "Mode, temps, voix"}));
    QCOMPARE(drive::resultGrid(b)->alignmentAt(0, 2), 4);
    QCOMPARE(drive::resultGrid(b)->alignmentAt(1, 4), 0);
    const QHeaderView* header = drive::resultGrid(b)->view()->horizontalHeader();
    QCOMPARE(header->sectionSize(2), header->sectionSize(0));  // 1500 twips, as "Lemme"
    QVERIFY(header->sectionSize(1) > header->sectionSize(0));  // 1750 twips
    // No header is cut: a column narrower than its header's text is widened.
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int section = 0; section < 5; ++section) {
        const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
        QVERIFY(header->sectionSize(section) >=
                header->fontMetrics().horizontalAdvance(text) + margins);
    }
}

void TestBrowsers::baseBrowserListsAndSearches() {
    frmrecherche01* b = openBase();
    QCOMPARE(b->lists().size(), qint64(kBase.size()));
    list(b, 's');
    QCOMPARE(column(b, 0), (QStringList{"Sed", "sum"}));
    QCOMPARE(drive::resultGrid(b)->rows(), 4);
    QCOMPARE(b->resultRows().size(), std::size_t(2));
    QCOMPARE(drive::rowCells(drive::resultGrid(b), 2),
             (QStringList{"sum|b|c00000", "sum", "être", "V", "1 sg.          ", "ind. prés."}));
    QCOMPARE(drive::resultGrid(b)->textAt(3, 0), QString());
    list(b, 'a');
    QCOMPARE(column(b, 0), (QStringList{"amo", "Amor", "amor", "arma"}));
    QCOMPARE(column(b, 2), (QStringList{"aimer", "l'amour", "je suis aimé", "les armes"}));
    // The listing stops at "Écho", whose initial sorts after "z".
    list(b, 'z');
    QCOMPARE(column(b, 0), QStringList{"zona"});
    list(b, 'e');
    QVERIFY(drive::resultGrid(b)->isHidden());
    QVERIFY(drive::resultMessage(b)->isVisible());
    QCOMPARE(drive::resultMessage(b)->text(),
             QStringLiteral("Aucune information n'est disponible pour la lettre demandée"));

    search(b, QStringLiteral("AMOR"));
    QVERIFY(drive::resultGrid(b)->isVisible());
    QVERIFY(drive::resultMessage(b)->isHidden());
    QCOMPARE(column(b, 3), (QStringList{"N3", "V1"}));
    const std::vector<QStringList> first = b->resultRows();
    search(b, QStringLiteral("amor"));
    QCOMPARE(b->resultRows(), first);
    QCOMPARE(drive::resultGrid(b)->rows(), 4);
    for (const QString& nothing : {QStringLiteral("am"), QStringLiteral(" amo"), QString()}) {
        search(b, nothing);
        QVERIFY(drive::resultGrid(b)->isHidden());
        QCOMPARE(drive::resultMessage(b)->text(),
                 QStringLiteral("Aucune information n'est disponible pour la forme demandée"));
    }
    search(b, QStringLiteral("$$$"));  // deleted records are no entries
    QVERIFY(drive::resultGrid(b)->isHidden());
    QVERIFY(platform_->messages.isEmpty());
    QCOMPARE(platform_->busyCount, 1 + 4 + 6);  // opening, listings, searches
}

void TestBrowsers::baseBrowserOpensOnce() {
    frmrecherche01* b = openBase();
    list(b, 's');
    writeThesaurus(records::paths::baseThesaurus(), {kBase[3]});
    QCOMPARE(openBase(), b);
    QCOMPARE(b->lists().size(), qint64(kBase.size()));  // not read again
    QCOMPARE(column(b, 0), (QStringList{"Sed", "sum"}));
    drive::action(b, "quitter")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmrecherche01")));
    QCOMPARE(openBase()->lists().size(), qint64(1));
}

void TestBrowsers::missingBaseThesaurusLeavesNothingBehind() {
    const QString base = records::paths::baseThesaurus();
    for (const bool empty : {false, true}) {
        QFile::remove(base);
        if (empty) {
            QVERIFY(writeFile(base, QByteArray()));
        }
        platform_->messages.clear();
        frmrecherche01* b = openBase();
        QCOMPARE(platform_->messageTexts(),
                 QStringList{QStringLiteral("Le fichier donnees.dat est manquant!")});
        QCOMPARE(platform_->messages[0].title, QStringLiteral("Analyse morphologique"));
        QCOMPARE(b->lists().size(), qint64(0));
        QCOMPARE(drive::resultGrid(b)->textAt(0, 0), QStringLiteral("Formes"));
        list(b, 'a');
        QVERIFY(drive::resultMessage(b)->isVisible());
        // No file at the data file's place that would pass for the user's own.
        QVERIFY(!QFileInfo::exists(base) || QFileInfo(base).size() == 0);
        QVERIFY(empty || !QFileInfo::exists(base));
        b->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The next start puts the shipped copy in place.
        QCOMPARE(records::paths::seedDataFiles({QStringLiteral(MORPHO_BUILD_DATA_DIR)}).error(),
                 QString());
        QCOMPARE(readFile(base), readFile(QStringLiteral(MORPHO_BUILD_DATA_DIR "/donnees.dat")));
    }
}

void TestBrowsers::browsersOpenFromTheWorkspace() {
    const QString mine = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine, {kBase[3], kBase[6]});
    platform_->fileNames.push_back(mine);
    drive::button(drive::openThesaurusChoice(), "Command2")->click();
    analysis::frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    const int busy = platform_->busyCount;
    drive::action(ws, "Thesaurusvorante")->trigger();
    auto* base = ui::Forms::instance().find<frmrecherche01>();
    QVERIFY(base && base->isVisible());
    QCOMPARE(base->lists().size(), qint64(kBase.size()));
    platform_->fileNames.push_back(mine);
    drive::action(ws, "thesaurusautre")->trigger();
    auto* other = ui::Forms::instance().find<frmrecherche02>();
    QVERIFY(other && other->isVisible());
    QCOMPARE(other->lists().size(), qint64(2));
    QCOMPARE(platform_->busyCount, busy + 2);
    // Opened again from the workspace: only brought to the front, no file asked for.
    drive::action(ws, "thesaurusautre")->trigger();
    QCOMPARE(ui::Forms::instance().find<frmrecherche02>(), other);
    QVERIFY(platform_->messages.isEmpty());
}

void TestBrowsers::otherBrowserAsksForItsFile() {
    frmrecherche02* b = openOther(QString());  // cancelled
    QCOMPARE(platform_->fileDialogFilters, QStringList{"Fichiers données (*.DAT)|*.DAT"});
    QCOMPARE(b->windowTitle(), QStringLiteral("Vorante Lumivexa - Autre Thesaurus"));
    QCOMPARE(hoverTip(drive::button(b, "Command2")),
             QStringLiteral("Supprimer l'analyse du Thesaurus"));
    QCOMPARE(hoverTip(drive::button(b, "Command3")),
             QStringLiteral("Modifier l'analyse du Thesaurus"));
    QVERIFY(drive::lineField(b, "nomfiche")->isHidden());
    QCOMPARE(drive::resultGrid(b)->textAt(0, 0), QString());
    QCOMPARE(b->lists().size(), qint64(0));
    QVERIFY(platform_->messages.isEmpty());
    list(b, 'a');
    QVERIFY(drive::resultMessage(b)->isVisible());
    b->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QString empty = home_.file(QStringLiteral("vide.dat"));
    QVERIFY(writeFile(empty, QByteArray()));
    const QString absent = home_.file(QStringLiteral("absent.dat"));
    for (const QString& path : {empty, absent}) {
        platform_->messages.clear();
        b = openOther(path);
        QCOMPARE(platform_->messageTexts(), QStringList{"Le Thesaurus est vide!"});
        QCOMPARE(drive::lineField(b, "nomfiche")->text(), path);
        QCOMPARE(drive::resultGrid(b)->textAt(0, 5), QStringLiteral("Mode, temps, voix"));
        b->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(!QFileInfo::exists(absent));
}

void TestBrowsers::otherBrowserListsEveryMatchingEntry() {
    const QString mine = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine, {kBase[6], kBase[7], kBase[4], kBase[11], kBase[3]});
    frmrecherche02* b = openOther(mine);
    list(b, 'a');
    QCOMPARE(column(b, 0), (QStringList{"arma", "Amor", "amo"}));
    // The base thesaurus browser relies on the order of the base thesaurus: on this file its
    // listing ends at "bellum".
    QFile::remove(records::paths::baseThesaurus());
    QVERIFY(QFile::copy(mine, records::paths::baseThesaurus()));
    frmrecherche01* base = openBase();
    list(base, 'a');
    QCOMPARE(column(base, 0), QStringList{"arma"});
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{1, 3, 5}));
    // The cells keep the padding of the fields; printing and the view drop it.
    QCOMPARE(drive::resultGrid(b)->textAt(1, 1).size(), 50);
    QCOMPARE(drive::resultGrid(b)->textAt(1, 4).size(), 15);
    search(b, QStringLiteral("amo"));
    QCOMPARE(b->listedRecordNumbers(), (std::vector<qint64>{5}));
    search(b, QStringLiteral("ama"));
    QVERIFY(b->listedRecordNumbers().empty());
    const QHeaderView* header = drive::resultGrid(b)->view()->horizontalHeader();
    QCOMPARE(header->sectionSize(2), header->defaultSectionSize());
}

void TestBrowsers::printingTenBlocksAPage() {
    std::vector<Analysis> many;
    for (int i = 1; i <= 25; ++i) {
        many.push_back({QStringLiteral("pes%1").arg(i, 2, 10, QLatin1Char('0')), "N3", "pes",
                        "nom. m. sg.", "_", "le pied"});
    }
    writeThesaurus(records::paths::baseThesaurus(), many);
    frmrecherche01* b = openBase();
    drive::action(b, "imprimer")->trigger();  // nothing listed yet
    QCOMPARE(platform_->messageTexts(),
             QStringList{"La liste est vide : il n'y a rien à imprimer."});
    QVERIFY(platform_->documents.empty());

    list(b, 'p');
    platform_->cancelPrinting = true;
    drive::action(b, "imprimer")->trigger();
    QVERIFY(platform_->documents.empty());
    platform_->cancelPrinting = false;
    drive::action(b, "imprimer")->trigger();
    QCOMPARE(platform_->documents.size(), std::size_t(1));
    const FakePlatform::Document& doc = platform_->documents.front();
    QVERIFY(doc.ended);
    QCOMPARE(doc.fonts, QStringList{"verdana 9"});
    QCOMPARE(doc.pages.size(), 3);
    QCOMPARE(doc.pages[0].size(), 70);
    QCOMPARE(doc.pages[1].size(), 70);
    QCOMPARE(doc.pages[2].size(), 35);
    QCOMPARE(doc.pages[2].mid(28, 7),
             (QStringList{"Formes: pes25", "Lemme : pes", "Traduction : le pied",
                          "Cat. gramm. : N3", "Cas, genre, nombre : nom. m. sg.",
                          "Mode, temps, voix : _", QString(64, u'-')}));
    QCOMPARE(platform_->messages.size(), 1);

    // The preview shows the very pages that printing sent; the export writes the same rows.
    drive::action(b, "apercu")->trigger();
    QCOMPARE(platform_->previews.size(), 1);
    QCOMPARE(platform_->previews[0], doc.pages);
    const QString csv = home_.file(QStringLiteral("pieds.csv"));
    platform_->fileNames.push_back(csv);
    drive::action(b, "exporter")->trigger();
    const QList<QByteArray> lines = readFile(csv).split('\n');
    QCOMPARE(lines.size(), 27);  // the header, 25 rows, nothing after the last line break
    QCOMPARE(lines[0], QByteArray("\xEF\xBB\xBF"
                                  "Formes,Lemme,Traduction,Cat. gramm.,"
                                  "\"Cas, genre, nombre\",\"Mode, temps, voix\"\r"));
    QCOMPARE(lines[25], QByteArray("pes25,pes,le pied,N3,nom. m. sg.,_\r"));
}

void TestBrowsers::resultMessageIsAnnouncedAsShown() {
    frmrecherche02* b = openOther(records::paths::baseThesaurus());
    list(b, 'e');
    QCOMPARE(drive::resultMessage(b)->accessibleName(), kNothingForLetter);
    search(b, QStringLiteral("nihil"));
    QCOMPARE(drive::resultMessage(b)->text(), kNothingForForm);
    QCOMPARE(drive::resultMessage(b)->accessibleName(), kNothingForForm);
    list(b, 'e');
    QCOMPARE(drive::resultMessage(b)->accessibleName(), drive::resultMessage(b)->text());
}

void TestBrowsers::fileMenusEndWithQuitter() {
    drive::action(main_, "lexique")->trigger();
    const std::vector<ui::ResultBrowser*> browsers = {
        openBase(), openOther(records::paths::baseThesaurus()),
        ui::Forms::instance().find<lexicon::frmlexique>()};
    for (const ui::ResultBrowser* b : browsers) {
        QVERIFY(b);
        const QList<QAction*> items = drive::menu(b, "fichier")->actions();
        QCOMPARE(items.last(), drive::action(b, "quitter"));
        // Each command of the menu has its own access key.
        QSet<QChar> keys;
        for (const QAction* item : items) {
            if (!item->isSeparator()) {
                const QChar key = ui::accessKey(item->text());
                QVERIFY2(!key.isNull() && !keys.contains(key), qPrintable(item->text()));
                keys.insert(key);
            }
        }
    }
}

QTEST_MAIN(TestBrowsers)
#include "test_browsers.moc"
