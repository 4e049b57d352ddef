#pragma once

#include "core/coding/coding.h"

#include <QList>
#include <QString>

class QWidget;

// Opening and closing the keypads and the coding charts.
namespace keypads {

// One keypad window: the keypad it shows, the window that opens it, and whether that window
// waits for it.
struct Variant {
    QString name;
    Keypad keypad;
    QString owner;
    bool modal;
};

const QList<Variant>& variants();
const Variant* findVariant(const QString& name);

// Opens a keypad variant ("pave02_a", "pave03_b2", ...) that writes into `field` on "OK":
// created and loaded on first use, which runs its opening steps, then shown modeless, or modal
// when its caller waits for it. A keypad already open is only brought to the front, with its
// current selection and its field.
void openKeypad(const QString& variantName, QWidget* field);

// Opens a coding chart ("pave02" or "pave03"), one window for every caller. A chart already
// open is only brought to the front, even when a modal showing is asked for.
void openChart(const QString& name, bool modal);

// Closes the keypads that write into ownerName's fields, writing nothing; an owner calls this
// as it closes.
void unloadKeypadsOf(const QString& ownerName);

}  // namespace keypads
