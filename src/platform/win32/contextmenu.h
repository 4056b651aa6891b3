// A window's context menu: made from its items, opened where the user asks for it.
#pragma once

#include "platform/win32/natives.h"

#include <windows.h>

#include <vector>

// A popup menu of the items, each identified by its index plus one; nullptr for no items.
HMENU makeContextMenu(const std::vector<MenuItem> &items);

// Opens the window's menu for WM_CONTEXTMENU at its screen point, or at the focused control for
// the keyboard's (-1, -1), and runs the item chosen. Gives false where the window has no menu.
bool openContextMenu(Window::Native &window, LPARAM where);

// A text box or a combo box opens its own menu of editing commands; in a window that has a
// context menu it passes WM_CONTEXTMENU on to the window instead, as the other controls do.
void passContextMenuOn(const Control::Native &control);
