#pragma once

#include <string>

// The platform folders the program uses, decided in one place.
namespace pw::platform {

// The per-user application support folder: $XDG_DATA_HOME, else ~/.local/share.
std::string userApplicationSupportFolder();

// The per-user temporary folder: $TMPDIR, else "/tmp".
std::string userTemporaryFolder();

// The machine-wide application support folder that holds the player trust folder:
// "/etc/adobe", or $PAGEWIND_MACHINE_SUPPORT_DIR when set (tests point it elsewhere).
std::string machineApplicationSupportFolder();

} // namespace pw::platform
