#pragma once
// qtcm menus: the TORQA! main menu as this build reads it from the installation, and what each QIM!
// menu path of the converter's table becomes, so a user can see why a path did or did not map.

// The exit status for the host: 0 the menu was read, 1 it could not be.
int ShowMenus();
