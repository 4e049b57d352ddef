#pragma once

#include <QString>

#include <functional>

// Locating and starting the system-information program from the about box.
namespace about {

constexpr quint32 kLocalMachine = 0x80000002;
inline const QString kMsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kMsInfoPathValue = QStringLiteral("PATH");
inline const QString kToolsLocationKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kToolsLocationValue = QStringLiteral("MSINFO");
inline const QString kSysInfoProgram = QStringLiteral("MSINFO32.EXE");
inline const QString kSysInfoUnavailable =
    QStringLiteral("Les informations système ne sont pas disponibles actuellement");

// Reads one value of a configuration key; false (and an empty value) when there is none.
using KeyLookup = std::function<bool(quint32 root, const QString& keyName, const QString& valueName,
                                     QString& value)>;

// This system's answers to the two keys: the program path is the first system-information
// program found on the PATH; there is no directory of shared tools.
bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);

// Programs tried, in order, for the program path.
const QStringList& sysInfoCandidates();

// The program to start: the program path if known, otherwise the system-information program
// in the shared-tools directory if it exists there; empty when neither.
QString findSysInfoProgram(const KeyLookup& lookup,
                           const std::function<bool(const QString&)>& fileExists);

}  // namespace about
