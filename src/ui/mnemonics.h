#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenuBar;

namespace ui {

// Menu bars whose menus share an access key ("&Application" and "&Aide"): Alt and that letter
// opens the first of them, pressed again the next, instead of being lost as an ambiguous
// shortcut. Installed once on the application.
class MnemonicCycler : public QObject {
    Q_OBJECT
  public:
    static void install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

// The access key of a caption: the letter after a single '&', lower-cased; null when none.
QChar accessKey(const QString& caption);
// The menus of a bar whose access key is the given letter, in bar order.
QList<QAction*> menusWithAccessKey(const QMenuBar* bar, QChar key);

}  // namespace ui
