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

    picIcon = ui::named(new QLabel(this), QStringLiteral("picIcon"),
                        QStringLiteral("Logo Vorante Lumivexa"));
    picIcon->setPixmap(ui::logoPixmap(72));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    const ui::ShadowTitle title = ui::programTitle(this);
    Label1 = title.face;
    Label2 = title.shadow;
    lblVersion = ui::named(new QLabel(QStringLiteral("Version 3.5"), this),
                           QStringLiteral("lblVersion"), QStringLiteral("Version 3.5"));
    lblDisclaimer = ui::named(new QLabel(this), QStringLiteral("lblDisclaimer"),
                              QStringLiteral("Avertissement"));
    Line1 = ui::named(new QFrame(this), QStringLiteral("Line1"), QString());
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = ui::named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"),
                      QStringLiteral("OK"));
    cmdSysInfo = ui::named(new QPushButton(QStringLiteral("&Infos système..."), this),
                           QStringLiteral("cmdSysInfo"), QStringLiteral("Infos système"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(title.container);
    text->addWidget(lblVersion);
    text->addWidget(buildCredits());
    text->addWidget(lblDisclaimer);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmAbout::buildCredits() {
    Frame1 = ui::named(new QGroupBox(QStringLiteral("Crédits"), this), QStringLiteral("Frame1"),
                       QStringLiteral("Crédits"));
    auto* layout = new QVBoxLayout(Frame1);
    const QStringList lines = {
        QStringLiteral("Conception et réalisation : l'équipe Vorante Lumivexa"),
        QStringLiteral("Données latines et traductions : l'atelier de philologie"),
        QStringLiteral("Atelier Vorante Lumivexa"),
        QStringLiteral("12, rue des Écoles — 75005 Paris"),
        QStringLiteral("Courriel : contact@vorante-lumivexa.example"),
        QStringLiteral("Site : https://vorante-lumivexa.example")};
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = ui::named(new QLabel(lines[i], Frame1),
                                QStringLiteral("lblCredit%1").arg(i + 1), lines[i]);
        layout->addWidget(label);
    }
    return Frame1;
}

void frmAbout::cmdOK_Click() {
    unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
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
