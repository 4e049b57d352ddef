#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;
class QToolBar;

namespace ui {

// The print preview window, in French down to its zoom factors ("54,0 %"): the pages as they
// will print, browsed page by page or side by side, zoomed, and printed from there.
class PrintPreview : public QDialog {
    Q_OBJECT
  public:
    explicit PrintPreview(QPrinter* printer, QWidget* parent = nullptr);

    QPrintPreviewWidget* preview() const { return preview_; }
    QComboBox* zoom() const { return zoom_; }

  signals:
    void paintRequested(QPrinter* printer);

  private:
    QAction* addTool(const QString& icon, const QString& text, void (PrintPreview::*slot)());
    void buildToolBar(QToolBar* bar);
    void fitWidth();
    void fitPage();
    void zoomIn();
    void zoomOut();
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void singlePage();
    void facingPages();
    void allPages();
    void print();
    void zoomTyped();
    void showState();

    QPrinter* printer_;
    QPrintPreviewWidget* preview_;
    QComboBox* zoom_ = nullptr;
    QSpinBox* page_ = nullptr;
    QLabel* pageCount_ = nullptr;
};

// A zoom factor as the preview shows it, "54,0 %", and back; nothing for text that is no factor.
QString frenchZoomText(double factor);
std::optional<double> zoomFactorOf(const QString& text);

}  // namespace ui
