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

namespace ui {
namespace {

// The words of Qt's file dialogs that its French catalogues leave in English.
class MissingFrenchWords : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        static const QHash<QString, QString> words = {
            {QStringLiteral("QAbstractFileIconProvider\x1f"
                            "Folder"),
             QStringLiteral("Dossier")},
            {QStringLiteral("QAbstractFileIconProvider\x1f"
                            "File"),
             QStringLiteral("Fichier")},
            {QStringLiteral("QAbstractFileIconProvider\x1f"
                            "%1 File"),
             QStringLiteral("Fichier %1")},
            {QStringLiteral("QAbstractFileIconProvider\x1f"
                            "Drive"),
             QStringLiteral("Lecteur")},
        };
        return words.value(QString::fromLatin1(context) + QChar(0x1f) +
                           QString::fromLatin1(sourceText));
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
        const QLocale french(QLocale::French, QLocale::France);
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
