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
    const auto menu = [this](const QString& name, const QString& caption) {
        QMenu* added = menuBar()->addMenu(caption);
        added->setObjectName(name);
        return added;
    };
    const auto item = [this](QMenu* menu, const QString& name, const QString& caption,
                             auto handler) {
        QAction* action = ui::menuAction(this, name, caption);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menu(QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    openTextAction_ = item(file, QStringLiteral("ouvrir"), QStringLiteral("&Ouvrir un texte..."),
                           &Morphologique::chooseText);
    closeTextAction_ =
        item(file, QStringLiteral("fermer"), QStringLiteral("&Fermer"), &Morphologique::closeText);
    item(file, QStringLiteral("quitter"), QStringLiteral("&Quitter"), &Morphologique::close);

    QMenu* application = menu(QStringLiteral("application"), QStringLiteral("&Application"));
    analyseAction_ = item(application, QStringLiteral("analyse"),
                          QStringLiteral("&Analyse du texte"), &Morphologique::analyseText);
    item(application, QStringLiteral("ouvriranalyse"), QStringLiteral("&Ouvrir une analyse..."),
         &Morphologique::chooseAnalysis);
    item(application, QStringLiteral("lexique"), QStringLiteral("&Dictionnaire (Lemmes)"),
         [this] { lexicon::openDictionary(this); });
    QMenu* thesaurus = application->addMenu(QStringLiteral("&Thesaurus (Formes)"));
    thesaurus->setObjectName(QStringLiteral("thesaurus"));
    item(thesaurus, QStringLiteral("thesaurusvorante"), QStringLiteral("&Vorante Lumivexa"),
         &thesaurus::openBaseThesaurusBrowser);
    item(thesaurus, QStringLiteral("thesaurusautre"), QStringLiteral("&Autre Thesaurus"),
         &thesaurus::openOtherThesaurusBrowser);

    QMenu* help = menu(QStringLiteral("aide"), QStringLiteral("&Aide"));
    item(help, QStringLiteral("about"), QStringLiteral("&A propos de"), &about::showAboutBox);
}

void Morphologique::buildBody() {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title =
        ui::shadowTitle(QStringLiteral("Analyse morphologique"), QStringLiteral("Label2"),
                        QStringLiteral("Label1"), 20, central);
    auto* textFrame = ui::named(new QGroupBox(QStringLiteral("Texte"), central),
                                QStringLiteral("Frame1"), QStringLiteral("Texte"));
    textView_ = ui::named(new QPlainTextEdit(textFrame), QStringLiteral("txtfichier"),
                          QStringLiteral("Texte latin"));
    textView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont textFont(QStringLiteral("DejaVu Serif"), 11);
    textView_->setFont(textFont);
    auto* frameLayout = new QVBoxLayout(textFrame);
    frameLayout->addWidget(textView_);

    fileLabel_ = ui::named(new QLabel(central), QStringLiteral("lblFichier"),
                           QStringLiteral("Fichier texte"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addWidget(textFrame, 1);
    layout->addWidget(fileLabel_);
    setCentralWidget(central);
}

void Morphologique::enterNoTextState() {
    textPath_.clear();
    fileLabel_->setText(kNoTextLabel);
    openTextAction_->setEnabled(true);
    closeTextAction_->setEnabled(false);
    analyseAction_->setEnabled(false);
}

void Morphologique::enterTextLoadedState(const QString& path) {
    textPath_ = path;
    fileLabel_->setText(path);
    openTextAction_->setEnabled(false);
    closeTextAction_->setEnabled(true);
    analyseAction_->setEnabled(true);
}

// A text too large to hold keeps its historical message; one that cannot be read says why.
void Morphologique::showTextFailure(const TextReading& file, const QString& path) {
    textView_->clear();
    if (file.kind() == TextFailure::TooLarge) {
        ui::msgBox(this, textTooLargeMessage(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Fichier trop volumineux"));
        return;
    }
    ui::msgBox(
        this, QStringLiteral("Le fichier « %1 » ne peut pas être lu.\n%2.").arg(path, file.error()),
        ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Lecture impossible"));
}

bool Morphologique::hasText() const {
    return closeTextAction_->isEnabled();
}

void Morphologique::chooseText() {
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
    textView_->setPlainText(file.text);
    if (file.byteSize > kTextSizeLimit &&
        ui::msgBox(this, textSizeWarning(), ui::Buttons::YesNo, ui::Icon::None,
                   QStringLiteral("La taille du fichier")) == ui::Answer::No) {
        textView_->clear();
        return;
    }
    enterTextLoadedState(path);
}

void Morphologique::closeText() {
    textView_->clear();
    enterNoTextState();
}

bool Morphologique::mayClose() {
    return ui::Forms::instance().mayCloseAll(this);
}

void Morphologique::Form_Unload() {
    // Closing the main window ends the program: every window closes.
    ui::Forms::instance().unloadAll();
    QApplication::quit();
}

void Morphologique::analyseText() {
    ThesaurusChoix* choice = nullptr;
    {
        ui::Hourglass hourglass(this);
        choice = ui::Forms::instance().load<ThesaurusChoix>();
    }
    choice->setTextToAnalyse({textView_->toPlainText(), textPath_});
    ui::Forms::showModeless(choice);
}

void Morphologique::chooseAnalysis() {
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

}  // namespace shell
