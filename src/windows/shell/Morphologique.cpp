#include "windows/shell/Morphologique.h"

#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"
#include "windows/browsers/browsers.h"
#include "windows/lexicon/dictionary.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse02.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace shell {
namespace {

const QString kNoTextLabel = QStringLiteral("Chargez un fichier texte avec la commande Ouvrir");
const QString kTextFilter = QStringLiteral("Fichiers Texte (*.TXT)|*.TXT");
const QString kAnalysisFilter = QStringLiteral("Fichiers données (*.DAT)|*.DAT");

}  // namespace

QString textSizeWarning() {
    const QString crlf = QStringLiteral("\r\n");
    const QString lfcr = QStringLiteral("\n\r");
    return QStringLiteral("Attention!") + crlf +
           QStringLiteral("Le texte, objet des statistiques à établir,") + crlf +
           QStringLiteral(
               "dépasse la taille maximale autorisée par l'application (env. 500 "
               "lignes ou 64 Kb de données).") +
           crlf + QStringLiteral("En cas d'exécution,") + crlf +
           QStringLiteral(
               "les statistiques produites ne concerneront que ces 500 premières "
               "lignes ou 64 Kb de données.") +
           lfcr + crlf + QStringLiteral("Désirez-vous continuer?") + lfcr;
}

QString textTooLargeMessage() {
    return QStringLiteral(
        "Le fichier est trop volumineux.\r\nLe fichier ne peut dépasser la "
        "taille de 60 KO");
}

Morphologique::Morphologique() {
    setWindowTitle(QStringLiteral("Vorante Lumivexa - Analyse morphologique"));
    setAccessibleName(windowTitle());
    buildMenus();
    buildBody();
    resize(820, 600);
    enterNoTextState();
}

void Morphologique::buildMenus() {
    fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("fichier"));
    ouvrir = ui::menuAction(this, QStringLiteral("ouvrir"), QStringLiteral("&Ouvrir un texte..."));
    fermer = ui::menuAction(this, QStringLiteral("fermer"), QStringLiteral("&Fermer"));
    quitter = ui::menuAction(this, QStringLiteral("quitter"), QStringLiteral("&Quitter"));
    fichier->addActions({ouvrir, fermer, quitter});

    application = menuBar()->addMenu(QStringLiteral("&Application"));
    application->setObjectName(QStringLiteral("application"));
    analyse = ui::menuAction(this, QStringLiteral("analyse"), QStringLiteral("&Analyse du texte"));
    ouvriranalyse = ui::menuAction(this, QStringLiteral("ouvriranalyse"),
                                   QStringLiteral("&Ouvrir une analyse..."));
    lexique =
        ui::menuAction(this, QStringLiteral("lexique"), QStringLiteral("&Dictionnaire (Lemmes)"));
    application->addActions({analyse, ouvriranalyse, lexique});
    thesaurus = application->addMenu(QStringLiteral("&Thesaurus (Formes)"));
    thesaurus->setObjectName(QStringLiteral("thesaurus"));
    thesaurusvorante = ui::menuAction(this, QStringLiteral("thesaurusvorante"),
                                      QStringLiteral("&Vorante Lumivexa"));
    thesaurusautre =
        ui::menuAction(this, QStringLiteral("thesaurusautre"), QStringLiteral("&Autre Thesaurus"));
    thesaurus->addActions({thesaurusvorante, thesaurusautre});

    aide = menuBar()->addMenu(QStringLiteral("&Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    about = ui::menuAction(this, QStringLiteral("about"), QStringLiteral("&A propos de"));
    aide->addAction(about);

    connect(ouvrir, &QAction::triggered, this, &Morphologique::ouvrir_Click);
    connect(fermer, &QAction::triggered, this, &Morphologique::fermer_Click);
    connect(quitter, &QAction::triggered, this, &Morphologique::quitter_Click);
    connect(analyse, &QAction::triggered, this, &Morphologique::analyse_Click);
    connect(ouvriranalyse, &QAction::triggered, this, &Morphologique::ouvriranalyse_Click);
    connect(lexique, &QAction::triggered, this, &Morphologique::lexique_Click);
    connect(thesaurusvorante, &QAction::triggered, this, &Morphologique::thesaurusvorante_Click);
    connect(thesaurusautre, &QAction::triggered, this, &Morphologique::thesaurusautre_Click);
    connect(about, &QAction::triggered, this, &Morphologique::about_Click);
}

void Morphologique::buildBody() {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title =
        ui::shadowTitle(QStringLiteral("Analyse morphologique"), QStringLiteral("Label2"),
                        QStringLiteral("Label1"), 20, central);
    Label1 = title.face;
    Label2 = title.shadow;

    Frame1 = ui::named(new QGroupBox(QStringLiteral("Texte"), central), QStringLiteral("Frame1"),
                       QStringLiteral("Texte"));
    txtfichier = ui::named(new QPlainTextEdit(Frame1), QStringLiteral("txtfichier"),
                           QStringLiteral("Texte latin"));
    txtfichier->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtfichier->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtfichier->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont textFont(QStringLiteral("DejaVu Serif"), 11);
    txtfichier->setFont(textFont);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(txtfichier);

    lblFichier = ui::named(new QLabel(central), QStringLiteral("lblFichier"),
                           QStringLiteral("Fichier texte"));
    lblFichier->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addWidget(Frame1, 1);
    layout->addWidget(lblFichier);
    setCentralWidget(central);
}

void Morphologique::enterNoTextState() {
    textPath_.clear();
    lblFichier->setText(kNoTextLabel);
    ouvrir->setEnabled(true);
    fermer->setEnabled(false);
    analyse->setEnabled(false);
}

void Morphologique::enterTextLoadedState(const QString& path) {
    textPath_ = path;
    lblFichier->setText(path);
    ouvrir->setEnabled(false);
    fermer->setEnabled(true);
    analyse->setEnabled(true);
}

// A text too large to hold keeps its historical message; one that cannot be read says why.
void Morphologique::showTextFailure(const TextReading& file, const QString& path) {
    txtfichier->clear();
    if (file.kind() == TextFailure::TooLarge) {
        ui::msgBox(this, textTooLargeMessage(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Fichier trop volumineux"));
        return;
    }
    ui::msgBox(
        this, QStringLiteral("Le fichier « %1 » ne peut pas être lu.\n%2.").arg(path, file.error()),
        ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Lecture impossible"));
}

void Morphologique::ouvrir_Click() {
    const QString path = ui::platform().openFileName(this, kTextFilter);
    if (path.isEmpty()) {
        return;
    }
    openText(path);
}

void Morphologique::openText(const QString& path) {
    ui::Hourglass hourglass(this);
    const TextReading read = readTextFile(path);
    if (!read.ok()) {
        showTextFailure(read, path);
        return;
    }
    const TextFile& file = read.value();
    txtfichier->setPlainText(file.text);
    if (file.byteSize > kTextSizeLimit &&
        ui::msgBox(this, textSizeWarning(), ui::Buttons::YesNo, ui::Icon::None,
                   QStringLiteral("La taille du fichier")) == ui::Answer::No) {
        txtfichier->clear();
        return;
    }
    enterTextLoadedState(path);
}

void Morphologique::fermer_Click() {
    txtfichier->clear();
    enterNoTextState();
}

void Morphologique::quitter_Click() {
    close();
}

bool Morphologique::mayClose() {
    return ui::Forms::instance().mayCloseAll(this);
}

void Morphologique::Form_Unload() {
    // Closing the main window ends the program: every window closes.
    ui::Forms::instance().unloadAll();
    QApplication::quit();
}

void Morphologique::analyse_Click() {
    ThesaurusChoix* choice = nullptr;
    {
        ui::Hourglass hourglass(this);
        choice = ui::Forms::instance().load<ThesaurusChoix>();
    }
    choice->setTextToAnalyse({txtfichier->toPlainText(), textPath_});
    ui::Forms::showModeless(choice);
}

void Morphologique::ouvriranalyse_Click() {
    const QString path = ui::platform().openFileName(this, kAnalysisFilter);
    if (path.isEmpty()) {
        return;
    }
    auto& forms = ui::Forms::instance();
    // A saved analysis already open stays as it is: it is brought forward.
    ui::Forms::showModeless(
        forms.load<analysis::frmanalyse02>(ui::Forms::nameOf<analysis::frmanalyse02>(),
                                           [&path] { return new analysis::frmanalyse02(path); }));
}

void Morphologique::lexique_Click() {
    lexicon::openDictionary(this);
}
void Morphologique::thesaurusvorante_Click() {
    thesaurus::openBaseThesaurusBrowser();
}
void Morphologique::thesaurusautre_Click() {
    thesaurus::openOtherThesaurusBrowser();
}
void Morphologique::about_Click() {
    about::showAboutBox();
}

}  // namespace shell
