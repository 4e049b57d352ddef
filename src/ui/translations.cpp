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
class MissingFrenchWords : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    // Asked first for every text of the program: it answers at once for the other contexts.
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (context == nullptr || sourceText == nullptr ||
            std::strcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        static const QHash<QString, QString> words = {
            {QStringLiteral("Folder"), QStringLiteral("Dossier")},
            {QStringLiteral("File"), QStringLiteral("Fichier")},
            {QStringLiteral("%1 File"), QStringLiteral("Fichier %1")},
            {QStringLiteral("Drive"), QStringLiteral("Lecteur")},
        };
        return words.value(QString::fromLatin1(sourceText));
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
