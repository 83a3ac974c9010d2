// The C++ library's default terminate handler prints the exception's demangled type name,
// which links the whole demangler in; a plug-in has no console to print it to. Defined
// here, the library's own is never linked. Nothing should get here: every entry from
// outside catches everything.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
