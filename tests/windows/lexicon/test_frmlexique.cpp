#include "core/records/paths.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
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
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using lexicon::frmlexique;

namespace {

struct Lemma {
    QString lemma;
    QString category;
    QString translation;
    QString frenchFamily;
    QString latinFamily;
};

// In ascending order of lemma, as the lexicon is, but for "aqua" after "bellum".
const std::vector<Lemma> kLexicon = {
    {"am", "interj", "ah !", "", ""},
    {"amare", "V1", "aimer", "   aimer, amour", "amo, amor"},
    {"Amator", "N3", "l'amant", "amateur", "amo"},
    {"arma", "N2", "les armes", "armes, armée", "armo"},
    {"bellum", "N2", "la guerre", "belliqueux", "bellicus"},
    {"aqua", "N1", "l'eau", "aquatique", "aquaeductus"},
    {"Caesar", "N3", "César", "césarien", ""},
};

void writeLexicon(const QString& path, const std::vector<Lemma>& lemmas) {
    QByteArray bytes;
    qint16 number = 0;
    for (const Lemma& l : lemmas) {
        records::LexiconRecord r;
        r.setNumber(++number);
        r.setLemma(l.lemma);
        r.setCategory(l.category);
        r.setTranslation(l.translation);
        r.setFrenchFamily(l.frenchFamily);
        r.setLatinFamily(l.latinFamily);
        bytes += r.toBytes();
    }
    QVERIFY(writeFile(path, bytes));
}

QStringList lemmas(const frmlexique* b) {
    QStringList texts;
    for (const QStringList& row : b->resultRows()) {
        texts << row[0];
    }
    return texts;
}

}  // namespace

class TestFrmLexique : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensOnceFromTheMainWindow();
    void letterListingAndLemmaSearch();
    void printingTenBlocksAPage();
    void missingLexiconLeavesNothingBehind();
    void opensFromTheWorkspace();

  private:
    frmlexique* open();

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    shell::Morphologique* main_ = nullptr;
};

void TestFrmLexique::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeLexicon(records::paths::lexicon(), kLexicon);
    main_ = drive::mainWindowWithText(QStringLiteral("arma"));
}

void TestFrmLexique::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmlexique* TestFrmLexique::open() {
    drive::action(main_, "lexique")->trigger();
    return ui::Forms::instance().find<frmlexique>();
}

void TestFrmLexique::opensOnceFromTheMainWindow() {
    frmlexique* b = open();
    QVERIFY(b && b->isVisible());
    QCOMPARE(platform_->busyCount, 1);
    QCOMPARE(b->windowTitle(), QStringLiteral("Vorante Lumivexa - Dictionnaire (Lemmes)"));
    QCOMPARE(drive::child<QGroupBox>(b, "Frame1")->title(),
             QStringLiteral("Recherche d'un lemme : "));
    QCOMPARE(drive::resultMessage(b)->text(),
             QStringLiteral("Aucune information n'est disponible pour le lemme demandée"));
    QVERIFY(drive::resultMessage(b)->isHidden());
    QCOMPARE(drive::menu(b, "alphabet")->actions().size(), 26);
    QCOMPARE(drive::letterItem(b, 2)->objectName(), QStringLiteral("lc"));
    QCOMPARE(drive::letterItem(b, 2)->text(), QStringLiteral("&C"));
    QCOMPARE(drive::resultGrid(b)->cols(), 5);
    QCOMPARE(drive::rowCells(drive::resultGrid(b), 0),
             (QStringList{"Lemme", "Traduction", "Catégorie", "Fam. française", "Fam. latine"}));
    QCOMPARE(drive::resultGrid(b)->alignmentAt(0, 3), 4);
    QCOMPARE(drive::resultGrid(b)->alignmentAt(1, 4), 0);
    const QHeaderView* header = drive::resultGrid(b)->view()->horizontalHeader();
    QVERIFY(header->sectionSize(0) > header->sectionSize(2));  // 2500 and 1000 twips
    QCOMPARE(b->lists().size(), qint64(kLexicon.size()));

    writeLexicon(records::paths::lexicon(), {kLexicon[0]});
    QCOMPARE(open(), b);
    QCOMPARE(b->lists().size(), qint64(kLexicon.size()));  // not read again
    QVERIFY(platform_->messages.isEmpty());
}

void TestFrmLexique::letterListingAndLemmaSearch() {
    frmlexique* b = open();
    drive::letterItem(b, 0)->trigger();
    // Upper-case initials listed; the scan ends at "bellum", before "aqua".
    QCOMPARE(lemmas(b), (QStringList{"am", "amare", "Amator", "arma"}));
    QCOMPARE(drive::resultGrid(b)->rows(), 6);
    QCOMPARE(drive::rowCells(drive::resultGrid(b), 2).first(), QStringLiteral("amare|b|c00000"));
    // The French family is shown without its leading spaces.
    QCOMPARE(drive::resultGrid(b)->textAt(2, 3).trimmed(), QStringLiteral("aimer, amour"));
    QVERIFY(drive::resultGrid(b)->textAt(2, 3).startsWith(QLatin1Char('a')));
    drive::letterItem(b, 2)->trigger();
    QCOMPARE(lemmas(b), QStringList{"Caesar"});
    drive::letterItem(b, 25)->trigger();
    QVERIFY(drive::resultGrid(b)->isHidden());
    QCOMPARE(drive::resultMessage(b)->text(),
             QStringLiteral("Aucune information n'est disponible pour la lettre demandée"));

    auto search = [b](const QString& text) {
        drive::lineField(b, "Text1")->setText(text);
        drive::button(b, "Command1")->click();
        return lemmas(b);
    };
    QCOMPARE(search(QStringLiteral("ama")), (QStringList{"amare", "Amator"}));
    QVERIFY(drive::resultGrid(b)->isVisible());
    QCOMPARE(search(QStringLiteral("AMA")), (QStringList{"amare", "Amator"}));
    QCOMPARE(search(QStringLiteral("aqu")), QStringList{"aqua"});  // no early stop
    QCOMPARE(search(QString()).size(), qsizetype(kLexicon.size()));
    QCOMPARE(search(QStringLiteral("ama ")), QStringList{});
    QVERIFY(drive::resultGrid(b)->isHidden());
    QCOMPARE(drive::resultMessage(b)->text(),
             QStringLiteral("Aucune information n'est disponible pour la forme demandée"));
    QCOMPARE(platform_->busyCount, 1 + 3 + 5);
}

void TestFrmLexique::printingTenBlocksAPage() {
    std::vector<Lemma> many;
    for (int i = 1; i <= 25; ++i) {
        many.push_back({QStringLiteral("lemma%1").arg(i, 2, 10, QLatin1Char('0')), "N1",
                        "traduction", "  famille", "latina"});
    }
    writeLexicon(records::paths::lexicon(), many);
    frmlexique* b = open();
    drive::action(b, "imprimer")->trigger();
    QCOMPARE(platform_->messageTexts(),
             QStringList{"La liste est vide : il n'y a rien à imprimer."});
    drive::letterItem(b, 'l' - 'a')->trigger();
    platform_->cancelPrinting = true;
    drive::action(b, "imprimer")->trigger();
    QVERIFY(platform_->documents.empty());
    platform_->cancelPrinting = false;
    drive::action(b, "imprimer")->trigger();
    QCOMPARE(platform_->documents.size(), std::size_t(1));
    const FakePlatform::Document& doc = platform_->documents.front();
    QCOMPARE(doc.fonts, QStringList{"verdana 9"});
    QCOMPARE(doc.pages.size(), 3);
    QCOMPARE(doc.pages[0].size(), 60);
    QCOMPARE(doc.pages[1].size(), 60);
    QCOMPARE(doc.pages[2].size(), 30);
    QCOMPARE(doc.pages[0].mid(0, 6), (QStringList{"Lemme: lemma01", "Traduction : traduction",
                                                  "Catégorie : N1", "Famille française : famille",
                                                  "Famille latine : latina", QString(64, u'-')}));
}

void TestFrmLexique::missingLexiconLeavesNothingBehind() {
    const QString path = records::paths::lexicon();
    QFile::remove(path);
    frmlexique* b = open();
    QCOMPARE(platform_->messageTexts(), QStringList{"Le fichier lexique.dat est manquant!"});
    QCOMPARE(platform_->messages[0].title, QStringLiteral("Analyse morphologique"));
    QVERIFY(b->isVisible());
    QCOMPARE(drive::resultGrid(b)->textAt(0, 0), QStringLiteral("Lemme"));
    drive::button(b, "Command1")->click();
    QVERIFY(drive::resultMessage(b)->isVisible());
    QVERIFY(!QFileInfo::exists(path));
    b->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The next start puts the shipped copy in place.
    QCOMPARE(records::paths::seedDataFiles({QStringLiteral(MORPHO_BUILD_DATA_DIR)}).error(),
             QString());
    QCOMPARE(readFile(path), readFile(QStringLiteral(MORPHO_BUILD_DATA_DIR "/lexique.dat")));
}

void TestFrmLexique::opensFromTheWorkspace() {
    const QString mine = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine, {{"arma", "N2", "arma", "nom. n. pl.", "_", "les armes"}});
    platform_->fileNames.push_back(mine);
    drive::button(drive::openThesaurusChoice(), "Command2")->click();
    analysis::frmanalyse* ws = drive::workspace();
    QVERIFY(ws);
    const int busy = platform_->busyCount;
    drive::action(ws, "lexique")->trigger();
    auto* b = ui::Forms::instance().find<frmlexique>();
    QVERIFY(b && b->isVisible());
    QCOMPARE(b->lists().size(), qint64(kLexicon.size()));
    QCOMPARE(platform_->busyCount, busy + 1);
    QVERIFY(platform_->messages.isEmpty());
}

QTEST_MAIN(TestFrmLexique)
#include "test_frmlexique.moc"
