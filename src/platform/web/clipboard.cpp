#include "platform/clipboard.h"

#include "platform/web/page.h"

void copyToClipboard(const std::u16string &text)
{
    page_copy_to_clipboard(text.data(), int(text.size()));
}
