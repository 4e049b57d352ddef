#include "ui/translations.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileSystemModel>
#include <QHash>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace ui {
namespace {

// The words of Qt's file dialogs that its French catalogues leave in English.
QString fileDialogWord(const QString& source) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("Folder"), QStringLiteral("Dossier")},
        {QStringLiteral("File"), QStringLiteral("Fichier")},
        {QStringLiteral("%1 File"), QStringLiteral("Fichier %1")},
        {QStringLiteral("Drive"), QStringLiteral("Lecteur")},
    };
    return words.value(source);
}

// The same for the print dialog, its printer properties and their conflict messages.
QString printDialogWord(const QString& source) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("Double Sided Printing"), QStringLiteral("Impression recto verso")},
        {QStringLiteral("Off"), QStringLiteral("Désactivée")},
        {QStringLiteral("Long side binding"), QStringLiteral("Reliure côté long")},
        {QStringLiteral("Short side binding"), QStringLiteral("Reliure côté court")},
        {QStringLiteral("Specify pages or ranges separated by commas. Ranges are specified by two "
                        "numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and "
                        "9."),
         QStringLiteral("Indiquez des pages ou des intervalles séparés par des virgules ; un "
                        "intervalle s'écrit avec deux numéros séparés par un tiret. Par exemple, "
                        "3,5-7,9 imprime les pages 3, 5, 6, 7 et 9.")},
        {QStringLiteral("Printer Properties"), QStringLiteral("Propriétés de l'imprimante")},
        {QStringLiteral("Advanced"), QStringLiteral("Avancé")},
        {QStringLiteral("Page Setup Conflicts"), QStringLiteral("Conflits de mise en page")},
        {QStringLiteral("Advanced Option Conflicts"),
         QStringLiteral("Conflits entre les options avancées")},
        {QStringLiteral("Duplex Settings Conflicts"),
         QStringLiteral("Conflits de l'impression recto verso")},
        {QStringLiteral("There are conflicts in page setup options. Do you want to fix them?"),
         QStringLiteral("Des options de mise en page sont en conflit. Voulez-vous les corriger ?")},
        {QStringLiteral("There are conflicts in some advanced options. Do you want to fix them?"),
         QStringLiteral("Des options avancées sont en conflit. Voulez-vous les corriger ?")},
        {QStringLiteral("There are conflicts in duplex settings. Do you want to fix them?"),
         QStringLiteral("Des réglages du recto verso sont en conflit. Voulez-vous les corriger ?")},
        {QStringLiteral("There are conflicts in some options. Please fix them."),
         QStringLiteral("Des options sont en conflit. Veuillez les corriger.")},
        {QStringLiteral("Please turn one of those options off."),
         QStringLiteral("Veuillez désactiver l'une de ces options.")},
    };
    return words.value(source);
}

bool startsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The words of Qt's dialogs that its French catalogues leave in English.
class MissingFrenchWords : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    // Asked first for every text of the program: it answers at once for the other contexts.
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (context == nullptr || sourceText == nullptr) {
            return {};
        }
        if (std::strcmp(context, "QAbstractFileIconProvider") == 0) {
            return fileDialogWord(QString::fromLatin1(sourceText));
        }
        if (startsWith(context, "QPrint") || startsWith(context, "QUnixPrint") ||
            startsWith(context, "QPageSetup") || startsWith(context, "QCups")) {
            return printDialogWord(QString::fromLatin1(sourceText));
        }
        return {};
    }
};

// Sizes, types and dates of the file list in French. The dialog's own model formats them in
// the system's language, which may not be French.
class FrenchFileList : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid()) {
            return QIdentityProxyModel::data(index, role);
        }
        const QFileInfo info = files->fileInfo(mapToSource(index));
        static const QLocale french(QLocale::French, QLocale::France);
        switch (index.column()) {
            case 1:
                return info.isDir() ? QVariant(QString())
                                    : QVariant(french.formattedDataSize(info.size()));
            case 2:
                return info.isDir() ? QStringLiteral("Dossier")
                       : info.suffix().isEmpty()
                           ? QStringLiteral("Fichier")
                           : QStringLiteral("Fichier %1").arg(info.suffix().toUpper());
            case 3:
                return french.toString(info.lastModified(), QLocale::ShortFormat);
            default:
                return QIdentityProxyModel::data(index, role);
        }
    }
};

}  // namespace

void installFrenchTranslations(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& name : folder.entryList({QStringLiteral("*_fr.qm")}, QDir::Files)) {
        auto* translator = new QTranslator(&app);
        if (translator->load(folder.filePath(name))) {
            QApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }
    // Installed last, it is asked first: it answers only for the words it knows.
    QApplication::installTranslator(new MissingFrenchWords(&app));
}

QAbstractProxyModel* frenchFileListModel(QObject* parent) {
    return new FrenchFileList(parent);
}

}  // namespace ui
