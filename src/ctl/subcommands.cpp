#include "ctl/subcommands.h"

#include <vector>

namespace q7::ctl {

std::span<const Subcommand> subcommands()
{
    // Built on first use, after every file's subcommand is initialised.
    static const std::vector<Subcommand> table{
        kPlayersCommand,   kScanCommand,       kSendCommand,    kConfigGetCommand, kConfigPutCommand,
        kConfigSetCommand, kConfigDiffCommand, kMessageCommand, kBitmapCommand,    kFilesCommand,
        kListBuildCommand, kListRemoteCommand,
    };
    return table;
}

}  // namespace q7::ctl
