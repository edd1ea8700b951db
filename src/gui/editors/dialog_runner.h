#pragma once

#include <functional>

class QDialog;

namespace finplan::gui {

// Runs a modal dialog until it is closed. A person gets QDialog::exec; a picture taken with
// --grab or a test puts in its own runner, which must leave the dialog closed, with OK
// (accept) or without (reject).
using DialogRunner = std::function<void(QDialog&)>;

void execDialog(QDialog& dialog);

} // namespace finplan::gui
