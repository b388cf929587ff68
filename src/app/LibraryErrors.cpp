// The GNU C++ runtime raises its errors (an index out of range, a string too long, memory
// exhausted) through the std::__throw_* helpers of one object file, which also builds the
// std::logic_error family from C strings, and with it the runtime's whole std::string
// machinery: about 90 KB of a program that catches only std::exception. These definitions
// take the place of that object: the memory and cast errors stay the standard ones, and the
// others raise an exception with the runtime's own text, caught and reported as before.
#include <exception>
#include <new>
#include <typeinfo>

#if defined(__GLIBCXX__)
namespace {

class ELibraryError : public std::exception {
public:
    // The runtime passes string literals only.
    explicit ELibraryError(const char* what) : FWhat(what) {}
    const char* what() const noexcept override { return FWhat; }

private:
    const char* FWhat;
};

} // namespace

namespace std {
void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_domain_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_invalid_argument(const char* what) {
    throw ELibraryError(what);
}
void __throw_length_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_out_of_range(const char* what) {
    throw ELibraryError(what);
}
// The format's numbers are left out: the text says which check failed.
void __throw_out_of_range_fmt(const char* format, ...) {
    throw ELibraryError(format);
}
void __throw_runtime_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_range_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_overflow_error(const char* what) {
    throw ELibraryError(what);
}
void __throw_underflow_error(const char* what) {
    throw ELibraryError(what);
}
} // namespace std
#endif
