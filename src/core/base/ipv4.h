#pragma once
// The one rule for an IPv4 address wherever one enters the tool (the Driver Setup dialog, the
// settings file, the configuration pages, q7ctl's arguments): four decimal numbers 0 to 255
// joined by ".", nothing before, between or after. A number with a leading zero ("01") is
// refused: tftp and the C library read such a number as octal, so "010" would reach another host.

#include "core/base/phrase.h"

#include <string>
#include <string_view>

namespace q7 {

bool isIPv4Address(std::string_view text);

// Empty when `text` is an address by that rule, else a message naming `field` (shown as given):
// `IP Address: "10.0.0.300" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)`.
Phrase ipv4Problem(std::string_view text, std::string_view field);

} // namespace q7
