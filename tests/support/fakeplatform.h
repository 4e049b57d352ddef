#pragma once

#include "ui/platform.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <deque>

// The scripted platform double: answers and file names are queued by the test, messages,
// printed pages, hourglass changes and started programs are recorded.
class FakePlatform : public ui::Platform {
  public:
    struct Message {
        QString text;
        QString title;
        ui::Buttons buttons;
        ui::Icon icon;
    };
    struct Document {
        QList<QStringList> pages;
        QStringList fonts;
        bool ended = false;
        bool aborted = false;
    };

    FakePlatform();
    ~FakePlatform() override;

    std::deque<ui::Answer> answers;
    std::deque<QString> fileNames;
    QList<Message> messages;
    QStringList fileDialogFilters;
    std::deque<Document> documents;
    bool cancelPrinting = false;
    // The pages of every print preview shown.
    QList<QList<QStringList>> previews;
    QStringList startedPrograms;
    QSet<QString> unstartablePrograms;
    QStringList deletedFiles;
    int busyDepth = 0;
    int busyCount = 0;
    // Questions asked with nothing queued to answer them.
    int unansweredQuestions = 0;
    // The labels of the progress bars started.
    QStringList progressLabels;
    // The user clicks "Annuler" on the progress bar at its report of that number (counted from
    // 1 across the test); 0 never.
    int cancelAtReport = 0;
    int progressReports = 0;

    ui::Answer message(QWidget* parent, const QString& text, ui::Buttons buttons, ui::Icon icon,
                       const QString& title) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString openOrNewFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    std::unique_ptr<ui::PrintJob> startPrinting(QWidget* parent) override;
    void showPrintPreview(QWidget* parent, const QList<QStringList>& pages) override;
    void setBusy(QWidget* window, bool busy) override;
    std::unique_ptr<ui::ProgressReport> startProgress(QWidget* parent,
                                                      const QString& label) override;
    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    bool startProgram(const QString& path) override;

    QStringList messageTexts() const;
};
