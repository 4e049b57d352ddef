#include "windows/shell/startup.h"

#include "ui/forms.h"
#include "windows/about/frmSplash.h"
#include "windows/shell/Morphologique.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>

namespace app {
namespace {

// Off unless asked for (QT_LOGGING_RULES="morphologique.startup.info=true"): tells which text
// the command line opened.
Q_LOGGING_CATEGORY(startupLog, "morphologique.startup", QtWarningMsg)

void openGivenText(shell::Morphologique* main, const QString& path) {
    main->openText(path);
    if (main->hasText()) {
        qCInfo(startupLog).noquote() << "texte ouvert :" << path;
    } else {
        qCInfo(startupLog).noquote() << "texte non ouvert :" << path;
    }
}

}  // namespace

QIcon programIcon() {
    QSvgRenderer picture(QStringLiteral(":/icons/morphologique.svg"));
    QIcon icon;
    if (!picture.isValid()) {
        return icon;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

about::frmSplash* showSplash(const QString& textPath) {
    auto* splash = ui::Forms::instance().load<about::frmSplash>();
    QObject::connect(splash, &about::frmSplash::handedOver, splash, [textPath] {
        auto* main = ui::Forms::instance().load<shell::Morphologique>();
        ui::Forms::showModeless(main);
        if (!textPath.isEmpty()) {
            QTimer::singleShot(0, main, [main, textPath] { openGivenText(main, textPath); });
        }
    });
    ui::Forms::showModeless(splash);
    return splash;
}

}  // namespace app
