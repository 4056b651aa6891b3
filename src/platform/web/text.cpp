#include "platform/web/text.h"

#include "platform/web/page.h"

std::u16string elementText(int element)
{
    std::u16string text(std::size_t(control_text_length(element)), u'\0');
    control_copy_text(element, text.data());
    return text;
}
