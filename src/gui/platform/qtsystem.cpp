#include "gui/platform/system.h"

#include "core/settings/scratch.h"
#include "core/base/codepage.h"
#include "gui/platform/localpath.h"

#include <QFile>
#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>

namespace q7 {

QString QtSystemInfo::localeName() const
{
    const std::string name = environmentLocaleName();
    return name.empty() ? QLocale::system().name() : QString::fromStdString(name);
}

QStringList QtSystemInfo::localIPv4Addresses() const
{
    QStringList result;
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            result << address.toString();
    return result;
}

QString QtSystemInfo::scratchDir() const { return fromLocalPath(defaultScratchDir()); }

}  // namespace q7
