#pragma once
// What start-up needs to know about the machine: the locale, the host's own IPv4 addresses and
// where the private scratch folder lives.

#include <QString>
#include <QStringList>

namespace q7 {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // POSIX name of the locale that decides the 8-bit code page ("ja_JP.UTF-8").
    virtual QString localeName() const = 0;
    // The host's own IPv4 addresses, loopback left out, in the order the system lists them.
    virtual QStringList localIPv4Addresses() const = 0;
    // The tool's private per-user scratch folder.
    virtual QString scratchDir() const = 0;
};

class QtSystemInfo final : public SystemInfo {
public:
    QString localeName() const override;
    QStringList localIPv4Addresses() const override;
    QString scratchDir() const override;
};

}  // namespace q7
