// What a screen reader's next announcement is to say, gathered until the backend says it.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The announcements in the order they were made, then each changed surface's latest
// description, once, unless an announcement already says it. Each backend says what one handler
// asked for in one go: two announcements in a row would have the second cut the first short.
class PendingNotification
{
public:
    bool isEmpty() const { return m_announcements.empty() && m_descriptions.empty(); }

    void announce(const std::u16string &text);
    // The surface is whatever the backend knows it by.
    void describe(const void *surface, const std::u16string &description);

    // The texts in the order they are to be read; nothing is pending afterwards.
    std::vector<std::u16string> take();
    // The texts as one, for a screen reader that reads a single text: "。" between them.
    static std::u16string joined(const std::vector<std::u16string> &texts);

private:
    std::vector<std::u16string> m_announcements;
    std::vector<std::pair<const void *, std::u16string>> m_descriptions;
};
