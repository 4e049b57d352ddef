#pragma once

#include "ui/platform.h"

namespace ui {

// The real platform: Qt's message boxes, file dialogs and print dialog.
class QtPlatform : public Platform {
  public:
    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   const QString& title) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString openOrNewFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    std::unique_ptr<PrintJob> startPrinting(QWidget* parent) override;
    void showPrintPreview(QWidget* parent, const QList<QStringList>& pages) override;
    void setBusy(QWidget* window, bool busy) override;
    std::unique_ptr<ProgressReport> startProgress(QWidget* parent, const QString& label) override;
    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    bool startProgram(const QString& path) override;
};

}  // namespace ui
