// What the Windows edition leaves out, and why.
#include "platform/linkcode.h"

#include "platform/win32/natives.h"

#include <stdexcept>

// A desktop edition gives a problem's link as text, which its command line and the page both
// take; a QR code is for a page's address that pupils' devices open, so none is ever made here.
bool linkCodesShown()
{
    return false;
}

namespace {
std::unique_ptr<Control::Native> noLinkCode()
{
    throw std::logic_error("LinkCode: the desktop edition shows no QR codes");
}
} // namespace

LinkCode::LinkCode(Window &window) : Control(window, noLinkCode()) {}

LinkCode::~LinkCode() = default;

void LinkCode::applyText() {}
