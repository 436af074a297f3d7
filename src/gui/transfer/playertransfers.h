#pragma once
// What the pages need of the player list and the TFTP runner: which rows are checked, and the put
// and get operations. The main window provides it; pages are handed it, so they never reach into
// the window itself.

#include <QString>

namespace q7 {

class PlayerTransfers {
public:
    virtual ~PlayerTransfers() = default;

    virtual int rowCount() const = 0;
    // The first row from the top that carries a check mark, whatever its online state; -1 for none.
    virtual int firstCheckedRow() const = 0;
    virtual QString address(int row) const = 0;
    virtual QString name(int row) const = 0;
    // Checked and online: a row the runner addresses.
    virtual bool served(int row) const = 0;
    // The folder clients run in and fetched files ("Q7_" + row + "_" + suffix) land in.
    virtual QString workingDir() const = 0;

    // put / get for row (-1: every row); `caption` names the call in the
    // transfer log ("Reboot"), by default its direction and remote name.
    virtual QString put(const QString& localPath, const QString& remoteName, int row = -1,
                        const QString& caption = {}) = 0;
    virtual QString get(const QString& remoteName, const QString& suffix, int row = -1,
                        const QString& caption = {}) = 0;
};

}  // namespace q7
