#include "players/playerlist.h"

#include <algorithm>

namespace q7 {

AddOutcome checkAddPlayer(const std::vector<std::string>& listedAddresses, const std::string& address, size_t limit)
{
    if (std::find(listedAddresses.begin(), listedAddresses.end(), address) != listedAddresses.end())
        return AddOutcome::AlreadyListed;
    return listedAddresses.size() >= limit ? AddOutcome::ListFull : AddOutcome::Added;
}

}  // namespace q7
