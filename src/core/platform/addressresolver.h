#pragma once
// Address resolution (ARP): the hardware address of an IPv4 address on the local network. Plain C++
// so that a front end without Qt reuses it; tests hand in a fake.

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>

namespace q7 {

using HardwareAddress = std::array<std::uint8_t, 6>;

class AddressResolver {
public:
    virtual ~AddressResolver() = default;
    // Blocks until the address is resolved, resolution fails or `stop` is requested; safe to call
    // from many threads at once. Nothing (std::nullopt) when it fails.
    virtual std::optional<HardwareAddress> resolve(const std::string& address, std::stop_token stop) = 0;
};

}  // namespace q7
