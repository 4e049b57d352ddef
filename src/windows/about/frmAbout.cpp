#include "windows/about/frmAbout.h"

#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace about {
namespace {

KeyLookup& keyLookup() {
    static KeyLookup lookup = GetKeyValue;
    return lookup;
}

}  // namespace

void frmAbout::setKeyLookup(KeyLookup lookup) {
    keyLookup() = lookup ? std::move(lookup) : KeyLookup(GetKeyValue);
}

frmAbout::frmAbout() {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Vorante Lumivexa - A propos de "));
    setAccessibleName(windowTitle());

    auto* logo = ui::named(new QLabel(this), QStringLiteral("picIcon"),
                           QStringLiteral("Logo Vorante Lumivexa"));
    logo->setPixmap(ui::logoPixmap(72));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    const ui::ShadowTitle title = ui::programTitle(this);
    auto* version = ui::named(new QLabel(QStringLiteral("Version 3.5"), this),
                              QStringLiteral("lblVersion"), QStringLiteral("Version 3.5"));
    auto* disclaimer = ui::named(new QLabel(this), QStringLiteral("lblDisclaimer"),
                                 QStringLiteral("Avertissement"));
    auto* rule = ui::named(new QFrame(this), QStringLiteral("Line1"), QString());
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* ok = ui::named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"),
                         QStringLiteral("OK"));
    auto* sysInfo = ui::named(new QPushButton(QStringLiteral("&Infos système..."), this),
                              QStringLiteral("cmdSysInfo"), QStringLiteral("Infos système"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::unload);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::startSysInfo);

    auto* text = new QVBoxLayout;
    text->addWidget(title.container);
    text->addWidget(version);
    text->addWidget(buildCredits());
    text->addWidget(disclaimer);

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmAbout::buildCredits() {
    auto* credits = ui::named(new QGroupBox(QStringLiteral("Crédits"), this),
                              QStringLiteral("Frame1"), QStringLiteral("Crédits"));
    auto* layout = new QVBoxLayout(credits);
    const QStringList lines = {
        QStringLiteral("Conception et réalisation : l'équipe Vorante Lumivexa"),
        QStringLiteral("Données latines et traductions : l'atelier de philologie"),
        QStringLiteral("Atelier Vorante Lumivexa"),
        QStringLiteral("12, rue des Écoles — 75005 Paris"),
        QStringLiteral("Courriel : contact@vorante-lumivexa.example"),
        QStringLiteral("Site : https://vorante-lumivexa.example")};
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = ui::named(new QLabel(lines[i], credits),
                                QStringLiteral("lblCredit%1").arg(i + 1), lines[i]);
        layout->addWidget(label);
    }
    return credits;
}

void frmAbout::startSysInfo() {
    const QString program = findSysInfoProgram(
        keyLookup(), [](const QString& path) { return ui::platform().fileExists(path); });
    if (program.isEmpty() || !ui::platform().startProgram(program)) {
        ui::msgBox(this, kSysInfoUnavailable);
    }
}

void showAboutBox() {
    auto* box = ui::Forms::instance().load<frmAbout>();
    ui::Forms::showModal(box);
}

}  // namespace about
