// The Japanese Gothic faces the layout is made in, and those that stand in for them, in order of
// preference: the one list every backend resolves its faces from.
#pragma once

#include <array>
#include <string_view>

// The layout's proportional Gothic, in its Japanese and its Latin name.
inline constexpr std::array<std::u16string_view, 2> layoutGothicFaces{u"ＭＳ Ｐゴシック",
                                                                      u"MS PGothic"};
// The layout's user-interface face, tried before the proportional Gothic for controls' text.
inline constexpr std::u16string_view layoutUserInterfaceFace = u"MS UI Gothic";

// Proportional Japanese Gothic faces that stand in where the layout's are missing, by where they
// are found: on current Windows; free faces, on Linux, Chromebooks and under Wine; on Apple's
// systems. Each backend takes the groups of the systems it meets.
inline constexpr std::array<std::u16string_view, 2> windowsGothicFaces{u"Meiryo", u"Yu Gothic UI"};
inline constexpr std::array<std::u16string_view, 3> freeGothicFaces{u"IPAPGothic", u"VL PGothic",
                                                                    u"Noto Sans CJK JP"};
inline constexpr std::array<std::u16string_view, 1> appleGothicFaces{u"Hiragino Sans"};
