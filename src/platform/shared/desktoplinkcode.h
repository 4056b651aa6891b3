// The desktop editions' LinkCode, which no window of theirs makes (linkCodesShown is false).
#pragma once

// Throws std::logic_error: a LinkCode was made where codes are not shown.
[[noreturn]] void refuseLinkCode();
