#include "platform/system.h"

#include <QDir>
#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>
#include <QStandardPaths>

namespace q7 {

QString QtSystemInfo::localeName() const
{
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(var);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

QStringList QtSystemInfo::localIPv4Addresses() const
{
    QStringList result;
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            result << address.toString();
    return result;
}

QString QtSystemInfo::scratchDir() const
{
    // The runtime folder is private to the user (0700) and cleared at log-out; the cache folder
    // is the fallback where there is none. Either way the folder itself is created 0700.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/q7-config-tool");
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/q7-config-tool/Temp");
}

}  // namespace q7
