#pragma once
// The address fields of the config file: checked by the one IPv4 rule before a file is written or
// sent, and, for a configuration put to several players, each player's own network address kept.

#include "core/base/phrase.h"
#include "core/config/configdrift.h"
#include "core/config/configfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q7::config {

// Empty when every address field of the pages is an IPv4 address, else a message naming the
// first that is not. The fields are the written text fields with the address filter (the IP
// address, mask, gateway, DNS servers and the PC1/PC2 addresses). An empty field is allowed,
// except the IP address and mask with Automatic IP "Off", where the player would have none. A
// field absent from `values` is not checked.
Phrase addressProblem(const FieldValues& values);
// The same for a config file's key lines (a key the file lacks is not checked).
Phrase addressProblem(const std::vector<ConfigEntry>& entries);

// Automatic IP is "Off": the file gives the player a fixed address, so one file must not go to
// several players as it is.
bool fixedAddress(const FieldValues& values);
bool fixedAddress(const std::vector<ConfigEntry>& entries);

// `bytes` (a config file) with the player's own network settings (Automatic IP, IP address,
// mask, gateway and DNS servers) taken from `own`, the file fetched from that player; every other
// line stays as it is. Nothing when the player's file lacks one of them or `bytes` has no line to
// take it, so no player is sent another's address by mistake.
std::optional<std::string> withOwnNetwork(std::string_view bytes, std::string_view own);

} // namespace q7::config
