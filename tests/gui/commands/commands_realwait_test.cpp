// Backup and Restore with their real waits (about 17 s): the players' time is not stood in for,
// so this shows the fixed waits are long enough for test players on loopback.
#include "support/playerrig.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandsRealWaits, backupAndRestoreRoundTripAPlayersConfiguration)
{
    q7::test::backupAndRestoreRoundTrip(1.0, false);
}

}  // namespace
