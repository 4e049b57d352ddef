#include "ui/qtplatform.h"

#include "ui/printjob.h"
#include "ui/printpreview.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>

#include <algorithm>

namespace ui {
namespace {

// A question asked while the hourglass shows gets the ordinary pointer back until answered.
class ArrowWhileAsking {
  public:
    ArrowWhileAsking() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~ArrowWhileAsking() {
        if (busy_) {
            QApplication::restoreOverrideCursor();
        }
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

  private:
    bool busy_;
};

QString runFileDialog(QWidget* parent, const QString& filter, QFileDialog::AcceptMode mode,
                      QFileDialog::FileMode files) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(files);
    // Qt's own dialog speaks French with the program's translations and honours the patterns.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(qtNameFilter(filter));
    dialog.setProxyModel(frenchFileListModel(&dialog));
    if (files == QFileDialog::AnyFile) {
        dialog.setDefaultSuffix(defaultSuffix(filter));
    }
    ArrowWhileAsking arrow;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::SaveDiscardCancel:
            return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, the close box) answers No, or Cancel.
Answer answerOf(QMessageBox::StandardButton clicked, Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return clicked == QMessageBox::Yes ? Answer::Yes : Answer::No;
        case Buttons::SaveDiscardCancel:
            return clicked == QMessageBox::Save      ? Answer::Save
                   : clicked == QMessageBox::Discard ? Answer::Discard
                                                     : Answer::Cancel;
        case Buttons::Ok:
            break;
    }
    return Answer::Ok;
}

}  // namespace

Answer QtPlatform::message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                           const QString& title) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title, displayText(text), standardButtons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::SaveDiscardCancel) {
        box.button(QMessageBox::Save)->setText(QStringLiteral("&Enregistrer"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("&Ne pas enregistrer"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    // A short message must not cut its title: the box is made at least as wide as the title
    // with room for the window's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 140;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    ArrowWhileAsking arrow;
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()), buttons);
}

QString QtPlatform::openFileName(QWidget* parent, const QString& filter) {
    return runFileDialog(parent, filter, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

QString QtPlatform::openOrNewFileName(QWidget* parent, const QString& filter) {
    return runFileDialog(parent, filter, QFileDialog::AcceptOpen, QFileDialog::AnyFile);
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& filter) {
    return runFileDialog(parent, filter, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::unique_ptr<PrintJob> QtPlatform::startPrinting(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    ArrowWhileAsking arrow;
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return std::make_unique<PrinterJob>(std::move(printer));
}

void QtPlatform::showPrintPreview(QWidget* parent, const QList<QStringList>& pages) {
    QPrinter printer(QPrinter::HighResolution);
    PrintPreview dialog(&printer, parent);
    QObject::connect(&dialog, &PrintPreview::paintRequested, &dialog, [&pages](QPrinter* target) {
        PrinterJob job(target);
        printPages(job, pages);
    });
    dialog.resize(900, 700);
    ArrowWhileAsking arrow;
    dialog.exec();
}

void QtPlatform::setBusy(QWidget*, bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

namespace {

constexpr int kProgressSteps = 1000;
// Operations shorter than this show no progress bar at all.
constexpr int kProgressDelayMilliseconds = 500;
constexpr qint64 kProgressIntervalMilliseconds = 40;

class DialogProgress : public ProgressReport {
  public:
    DialogProgress(QWidget* parent, const QString& label)
        : dialog_(label, QStringLiteral("Annuler"), 0, kProgressSteps, parent) {
        dialog_.setWindowTitle(kApplicationTitle);
        // Modal to the whole program: the events let through while it runs must not start another
        // command in a window that is not yet, or no longer, as the operation expects.
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(kProgressDelayMilliseconds);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool advance(double fraction) override {
        // A modal dialog's setValue() lets events through: the button answers, windows repaint.
        // A few dozen times a second is enough for that; more would cost as much as the work.
        if (sinceShown_.isValid() && sinceShown_.elapsed() < kProgressIntervalMilliseconds &&
            fraction < 1) {
            return !dialog_.wasCanceled();
        }
        sinceShown_.start();
        dialog_.setValue(std::clamp(int(fraction * kProgressSteps), 0, kProgressSteps));
        return !dialog_.wasCanceled();
    }
    bool cancelled() const override { return dialog_.wasCanceled(); }

  private:
    QProgressDialog dialog_;
    QElapsedTimer sinceShown_;  // since the last value shown
};

}  // namespace

std::unique_ptr<ProgressReport> QtPlatform::startProgress(QWidget* parent, const QString& label) {
    return std::make_unique<DialogProgress>(parent, label);
}

bool QtPlatform::fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool QtPlatform::deleteFile(const QString& path) {
    return QFile::remove(path);
}

bool QtPlatform::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

}  // namespace ui
