#pragma once
// Rules of the player list that do not depend on the widget.

#include <cstddef>
#include <string>
#include <vector>

namespace q7 {

inline constexpr size_t kMaxPlayers = 257;          // one echo probe slot per entry
inline constexpr size_t kMaxOperatorPlayers = 256;  // the dialog and the start-up load stop here

// One row of the player list as the logic sees it. A served player is checked and online: the only
// rows file transfers address.
struct PlayerEntry {
    std::string name;
    std::string address;
    bool checked = false;
    bool online = false;
    bool served() const { return checked && online; }
};

enum class AddOutcome { AlreadyListed, ListFull, Added };

// Addresses identify entries and are compared as exact text.
AddOutcome checkAddPlayer(const std::vector<std::string>& listedAddresses, const std::string& address, size_t limit);

}  // namespace q7
