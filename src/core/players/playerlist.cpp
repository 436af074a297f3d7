#include "core/players/playerlist.h"

#include "core/base/ipv4.h"

#include <algorithm>

namespace q7 {

std::optional<size_t> rowOfAddress(const std::vector<std::string>& listedAddresses, const std::string& address)
{
    const auto found = std::find(listedAddresses.begin(), listedAddresses.end(), address);
    if (found == listedAddresses.end())
        return std::nullopt;
    return size_t(found - listedAddresses.begin());
}

AddOutcome checkAddPlayer(const std::vector<std::string>& listedAddresses, const std::string& address, size_t limit)
{
    if (rowOfAddress(listedAddresses, address))
        return AddOutcome::AlreadyListed;
    return listedAddresses.size() >= limit ? AddOutcome::ListFull : AddOutcome::Added;
}

DialogOutcome dialogOutcome(const std::string& name, const std::string& address, bool modifying)
{
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    const auto characters = std::count_if(address.begin(), address.end(), [](char c) { return (c & 0xC0) != 0x80; });
    if (name == kNoAnswer || characters < 2)
        return DialogOutcome::Nothing;
    if (!isIPv4Address(address))
        return DialogOutcome::BadAddress;
    return modifying ? DialogOutcome::Update : DialogOutcome::Add;
}

bool addressKeyAccepted(char32_t typed) { return (typed >= U'0' && typed <= U'9') || typed == U'.' || typed == U'\b'; }

}  // namespace q7
