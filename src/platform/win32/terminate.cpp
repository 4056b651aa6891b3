// What ends the program when an exception finds no handler at all.
//
// The program reports every error that escapes a handler in a message box and ends (see
// errorreport.h), so nothing reaches std::terminate but what cannot be reported. The standard
// library's own handler would print the exception's demangled name on the standard error, which a
// window program has not; it is replaced by the plain end, and the demangler it brings in (some
// 45 KB) is left out of the files.
#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
