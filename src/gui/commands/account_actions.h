#pragma once

namespace finplan::gui {

// What the Accounts page may ask of the account editors. Each request first waits for an open
// editor, calculator or list window, as the menu commands do.
class AccountActions {
public:
    virtual ~AccountActions() = default;

    // The Account Information dialog for a new account (refused at 50 accounts).
    virtual void addAccount() = 0;
    // The dialog of the account at this row of the table.
    virtual void editAccount(int row) = 0;
    // Delete, refused while events need the account.
    virtual void deleteAccount(int row) = 0;
    // "Update Accounts From a File".
    virtual void importAccounts() = 0;
};

} // namespace finplan::gui
