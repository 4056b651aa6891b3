#include "platform/shared/pendingnotification.h"

#include <algorithm>

void PendingNotification::announce(const std::u16string &text)
{
    m_announcements.push_back(text);
}

void PendingNotification::describe(const void *surface, const std::u16string &description)
{
    for (auto &[described, text] : m_descriptions)
        if (described == surface) {
            text = description;
            return;
        }
    m_descriptions.emplace_back(surface, description);
}

std::vector<std::u16string> PendingNotification::take()
{
    std::vector<std::u16string> texts = std::move(m_announcements);
    for (const auto &[surface, description] : m_descriptions)
        if (std::find(texts.begin(), texts.end(), description) == texts.end())
            texts.push_back(description);
    m_announcements.clear();
    m_descriptions.clear();
    return texts;
}

std::u16string PendingNotification::joined(const std::vector<std::u16string> &texts)
{
    std::u16string said;
    for (std::size_t i = 0; i < texts.size(); ++i)
        said += (i == 0 ? u"" : u"。") + texts[i];
    return said;
}
