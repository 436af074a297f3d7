#pragma once
// Rules of the player list and of the Driver Setup dialog that do not depend on the widgets.

#include <cstddef>
#include <optional>
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
std::optional<size_t> rowOfAddress(const std::vector<std::string>& listedAddresses, const std::string& address);

// The Driver Setup dialog's "no answer" marker: one space. A name that is exactly one space
// therefore reads as no answer.
inline constexpr const char* kNoAnswer = " ";

enum class DialogOutcome {
    Add,      // addPlayer with the answer
    Update,   // the entry being modified takes the answer
    Nothing,  // a name of one space, or an address shorter than two characters
    BadAddress,  // any other address that is not an IPv4 address (core/base/ipv4.h): refused with a message
};

// What the dialog's OK answer does, for a dialog opened by Add or by Modify. Texts are UTF-8.
DialogOutcome dialogOutcome(const std::string& name, const std::string& address, bool modifying);

// The address field's key filter: digits, "." and backspace reach it, nothing else.
bool addressKeyAccepted(char32_t typed);

}  // namespace q7
