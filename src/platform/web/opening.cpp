// The problem the page is opened with, from its address, and the message about it.
#include "platform/opening.h"

#include "platform/web/page.h"

std::u16string openingText()
{
    std::u16string text(std::size_t(page_opening_text_length()), u'\0');
    page_copy_opening_text(text.data());
    return text;
}

void showMessage(const Window &, const std::u16string &text)
{
    page_show_message(text.data(), int(text.size()));
}

std::u16string problemLink(const std::u16string &problemText)
{
    std::u16string address(std::size_t(page_address_length()), u'\0');
    page_copy_address(address.data());
    return address + u'#' + problemText;
}

void keepProblem(const std::u16string &problemText)
{
    page_keep_problem(problemText.data(), int(problemText.size()));
}
