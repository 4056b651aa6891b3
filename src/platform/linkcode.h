// A link as a QR code, for pupils to scan off the projected board.
#pragma once

#include "platform/control.h"

#include <string>

class Window;

// Shown only by an edition whose links pupils' devices open (linkCodesShown): the page. Black
// modules on white with the quiet zone round them, as large as the control.
class LinkCode : public Control
{
public:
    // Backend: makes the code's native peer, empty.
    explicit LinkCode(Window &window);
    ~LinkCode() override;

    const std::u16string &text() const { return m_text; }
    void setText(const std::u16string &text);

private:
    // Backend: shows the code of the text just stored; nothing for an empty text.
    void applyText();

    std::u16string m_text;
};

// Backend: whether this edition shows links as QR codes.
bool linkCodesShown();
