#include "platform/checkbox.h"

#include "platform/win32/natives.h"

CheckBox::CheckBox(Window &window)
    : ClickableControl(window, std::make_unique<Native>(window, Native::Kind::CheckBox, L"BUTTON",
                                                        WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0))
{}

void CheckBox::applyCaption()
{
    showName(*this);
}

// 2 is the grayed state, which only the program could set.
int CheckBox::value() const
{
    switch (SendMessageW(native().hwnd, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return 1;
    case BST_INDETERMINATE:
        return 2;
    default:
        return 0;
    }
}

void CheckBox::setValue(int value)
{
    const WPARAM state = value == 0 ? BST_UNCHECKED : value == 1 ? BST_CHECKED : BST_INDETERMINATE;
    SendMessageW(native().hwnd, BM_SETCHECK, state, 0);
}
