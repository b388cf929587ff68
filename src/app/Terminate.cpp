// The GNU runtime's default answer to an uncaught exception writes the exception's demangled
// type name to the console and aborts; the demangler it drags in is some 46 KB of a program
// that has no console. This one aborts straight away, as the default would after writing.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
#endif
