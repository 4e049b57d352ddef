#include "support/fakeplatform.h"

#include <QFile>
#include <QFileInfo>

namespace {

class FakePrintJob : public ui::PrintJob {
  public:
    explicit FakePrintJob(FakePlatform::Document& document) : document_(document) {
        document_.pages.append(QStringList());
    }
    void setFont(const QString& family, int pointSize) override {
        document_.fonts << QStringLiteral("%1 %2").arg(family).arg(pointSize);
    }
    void printLine(const QString& line) override { document_.pages.last() << line; }
    void newPage() override { document_.pages.append(QStringList()); }
    bool endDoc() override {
        document_.ended = true;
        return true;
    }
    void abort() override { document_.aborted = true; }

  private:
    FakePlatform::Document& document_;
};

}  // namespace

FakePlatform::FakePlatform() {
    ui::setPlatform(this);
}

// Only while still installed: a double made before this one went would otherwise leave the
// tests on the real platform, whose dialogs wait for a user who is not there.
FakePlatform::~FakePlatform() {
    if (&ui::platform() == this) {
        ui::setPlatform(nullptr);
    }
}

ui::Answer FakePlatform::message(QWidget*, const QString& text, ui::Buttons buttons, ui::Icon icon,
                                 const QString& title) {
    messages.append({text, title, buttons, icon});
    if (buttons == ui::Buttons::Ok) {
        return ui::Answer::Ok;
    }
    if (answers.empty()) {
        ++unansweredQuestions;
        // Unsaved work is left unsaved, as a window closed without a question leaves it.
        return buttons == ui::Buttons::SaveDiscardCancel ? ui::Answer::Discard : ui::Answer::No;
    }
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::openFileName(QWidget*, const QString& filter) {
    fileDialogFilters << filter;
    if (fileNames.empty()) {
        return {};
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakePlatform::openOrNewFileName(QWidget* parent, const QString& filter) {
    return openFileName(parent, filter);
}

QString FakePlatform::saveFileName(QWidget* parent, const QString& filter) {
    return openFileName(parent, filter);
}

void FakePlatform::showPrintPreview(QWidget*, const QList<QStringList>& pages) {
    previews << pages;
}

std::unique_ptr<ui::PrintJob> FakePlatform::startPrinting(QWidget*) {
    if (cancelPrinting) {
        return nullptr;
    }
    documents.emplace_back();
    return std::make_unique<FakePrintJob>(documents.back());
}

void FakePlatform::setBusy(QWidget*, bool busy) {
    busyDepth += busy ? 1 : -1;
    if (busy) {
        ++busyCount;
    }
}

namespace {

class FakeProgress : public ui::ProgressReport {
  public:
    explicit FakeProgress(FakePlatform& platform) : platform_(platform) {}
    bool advance(double) override {
        if (++platform_.progressReports == platform_.cancelAtReport) {
            cancelled_ = true;
        }
        return !cancelled_;
    }
    bool cancelled() const override { return cancelled_; }

  private:
    FakePlatform& platform_;
    bool cancelled_ = false;
};

}  // namespace

std::unique_ptr<ui::ProgressReport> FakePlatform::startProgress(QWidget*, const QString& label) {
    progressLabels << label;
    return std::make_unique<FakeProgress>(*this);
}

bool FakePlatform::fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool FakePlatform::deleteFile(const QString& path) {
    deletedFiles << path;
    return QFile::remove(path);
}

bool FakePlatform::startProgram(const QString& path) {
    if (unstartablePrograms.contains(path)) {
        return false;
    }
    startedPrograms << path;
    return true;
}

QStringList FakePlatform::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) {
        texts << m.text;
    }
    return texts;
}
