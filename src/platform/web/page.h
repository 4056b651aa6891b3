// The page's functions that the browser backend calls (library.js); texts go as UTF-16 code units.
#pragma once

#include "platform/window.h"

#include <cstdint>

// What control_create makes: the same numbers as Page.elementKinds in page.js.
enum class ElementKind {
    Button = 0,
    CheckBox = 1,
    TextBox = 2,
    ComboBox = 3,
    Label = 4,
    Surface = 5,
    LinkCode = 6
};

// The keys the page tells apart: the same numbers as Page.keys and Page.otherKey in page.js, and
// as the platform's own Key, so that the router takes a key as it comes.
enum PageKey {
    PageDownKey = 0,
    PageUpKey = 1,
    F5Key = 2,
    EscapeKey = 3,
    EnterKey = 4,
    CommaKey = 5,
    OtherKey = 6
};
static_assert(PageDownKey == int(Key::PageDown) && PageUpKey == int(Key::PageUp) &&
              F5Key == int(Key::F5) && EscapeKey == int(Key::Escape) &&
              EnterKey == int(Key::Enter) && CommaKey == int(Key::Comma) &&
              OtherKey == int(Key::Other));
// What a key event's b holds, as page.js posts it.
enum PageKeyFlags { WithModifiers = 1, WithControlOnly = 2 };

extern "C" {
// Adds a face to the fonts of the page's text (shared/gothicfaces.h), to the user-interface
// face's alone or to both it and the Gothic's; the page's own fallback follows the last.
void page_add_face(int userInterfaceOnly, const char16_t *face, int length);
void page_start();
void page_set_waiting(int waiting);
int page_take_event(int *kind, int *a, int *b);
int page_has_event();
// The page's address without its part from "#" on.
int page_address_length();
void page_copy_address(char16_t *text);
// Puts the text after "#" in the page's address (none for an empty text) without loading again.
void page_keep_problem(const char16_t *text, int length);
void page_copy_to_clipboard(const char16_t *text, int length);
void page_end(const char16_t *report, int length);
// The part of the page's address from "#" on, as the page was opened with it.
int page_opening_text_length();
void page_copy_opening_text(char16_t *text);
// The message about the opening problem, in the browser's own message box.
void page_show_message(const char16_t *text, int length);

// The first window is the page's own; each later one a panel over it, hidden until shown.
int window_create();
void window_destroy(int window);
void window_adopt(int window, int element);
void window_set_caption(int window, const char16_t *caption, int length);
void window_set_client_size(int window, int width, int height);
void window_set_back_color(int window, std::uint32_t pixel);
void window_set_font(int window, int gothic, int pixelSize, int bold);
void window_show_modal(int window);
void window_hide(int window);
// The items' texts, one a line.
void window_set_context_menu(int window, const char16_t *items, int length);
void window_announce(const char16_t *text, int length);

int control_create(ElementKind kind);
void control_set_geometry(int id, int left, int top, int width, int height);
void control_set_enabled(int id, int enabled);
void control_set_font(int id, int gothic, int pixelSize, int bold);
int control_has_focus(int id);
void control_set_focus(int id);
void control_set_accessible_name(int id, const char16_t *name, int length);
void control_set_tab_index(int id, int index);
void control_set_text(int id, const char16_t *text, int length);
int control_text_length(int id);
void control_copy_text(int id, char16_t *text);
void control_set_back_color(int id, std::uint32_t pixel);
void control_set_fore_color(int id, std::uint32_t pixel);
void control_set_checked(int id, int checked);
int control_checked(int id);
void combo_add_item(int id, const char16_t *text, int length);
void combo_set_current(int id, int index);
void combo_set_list_only(int id);
void control_set_read_only(int id, int readOnly);
void link_code_set_text(int id, const char16_t *text, int length);

// Device pixels to a logical pixel of the surface's window at its fit.
double surface_device_scale(int id);
void surface_describe(int id, const char16_t *text, int length);
void surface_resize(int id, int width, int height, double scale);
// The surface's device pixels, bytes R, G, B, A, of which the rectangle given has changed.
void surface_write(int id, const std::uint32_t *pixels, int left, int top, int width, int height);
int surface_pixel_width(int id);
int surface_pixel_height(int id);

double text_advance(int gothic, int pixelSize, int bold, std::uint32_t code);
double text_width(int gothic, int pixelSize, int bold, const char16_t *text, int length);
int text_line_height(int gothic, int pixelSize, int bold);
// Draws characters (code, left, advance in logical pixels, three to a character) on a transparent
// image of width x height device pixels, the text's top-left corner at (left, top) in it, and
// copies its bytes R, G, B, A (not premultiplied) to pixels.
void text_image(int gothic, int pixelSize, int bold, std::uint32_t pixel, double scale, double left,
                double top, int width, int height, const double *characters, int count,
                std::uint32_t *pixels);
}
