// What the desktop editions leave out of LinkCode, and why; each backend's constructor calls
// refuseLinkCode, as only it can make a native peer.
#include "platform/shared/desktoplinkcode.h"

#include "platform/linkcode.h"

#include <stdexcept>

// A desktop edition gives a problem's link as text, which its command line and the page both
// take; a QR code is for a page's address that pupils' devices open, so none is ever made here.
bool linkCodesShown()
{
    return false;
}

void refuseLinkCode()
{
    throw std::logic_error("LinkCode: the desktop edition shows no QR codes");
}

LinkCode::~LinkCode() = default;

void LinkCode::applyText() {}
