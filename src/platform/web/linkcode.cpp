// The QR code, drawn by the page with the pinned qrcode-generator (packages.mjs).
#include "platform/linkcode.h"

#include "platform/web/natives.h"

LinkCode::LinkCode(Window &window)
    : Control(window, std::make_unique<Native>(ElementKind::LinkCode))
{}

LinkCode::~LinkCode() = default;

void LinkCode::applyText()
{
    link_code_set_text(elementOf(*this), m_text.data(), length(m_text));
}

bool linkCodesShown()
{
    return true;
}
