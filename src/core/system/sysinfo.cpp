#include "core/system/sysinfo.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace about {

const QStringList& sysInfoCandidates() {
    static const QStringList candidates = {QStringLiteral("hardinfo"),
                                           QStringLiteral("hardinfo2"),
                                           QStringLiteral("kinfocenter"),
                                           QStringLiteral("gnome-system-monitor"),
                                           QStringLiteral("mate-system-monitor"),
                                           QStringLiteral("xfce4-taskmanager")};
    return candidates;
}

bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal) {
    KeyVal.clear();
    if (KeyRoot != kLocalMachine || KeyName != kMsInfoKey || SubKeyRef != kMsInfoPathValue) {
        return false;
    }
    for (const QString& program : sysInfoCandidates()) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty()) {
            KeyVal = found;
            return true;
        }
    }
    return false;
}

QString findSysInfoProgram(const KeyLookup& lookup,
                           const std::function<bool(const QString&)>& fileExists) {
    QString value;
    if (lookup(kLocalMachine, kMsInfoKey, kMsInfoPathValue, value)) {
        return value;
    }
    if (!lookup(kLocalMachine, kToolsLocationKey, kToolsLocationValue, value)) {
        return {};
    }
    const QString program = QDir(value).filePath(kSysInfoProgram);
    return fileExists(program) ? program : QString();
}

}  // namespace about
