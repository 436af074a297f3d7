#pragma once
// Every subcommand of q7ctl, each defined in a file of its own; subcommands() lists them in the
// order of the overview. A new subcommand is one more file, one declaration here and one entry in
// the list.

#include "ctl/cli.h"

#include <span>

namespace q7::ctl {

extern const Subcommand kPlayersCommand;     // players.cpp
extern const Subcommand kScanCommand;        // scan.cpp
extern const Subcommand kSendCommand;        // send.cpp
extern const Subcommand kConfigGetCommand;   // config.cpp
extern const Subcommand kConfigPutCommand;   // config.cpp
extern const Subcommand kConfigSetCommand;   // config.cpp
extern const Subcommand kConfigDiffCommand;  // config.cpp
extern const Subcommand kMessageCommand;     // message.cpp
extern const Subcommand kBitmapCommand;      // bitmap.cpp
extern const Subcommand kFilesCommand;       // files.cpp
extern const Subcommand kListBuildCommand;   // lists.cpp
extern const Subcommand kListRemoteCommand;  // lists.cpp

std::span<const Subcommand> subcommands();

}  // namespace q7::ctl
