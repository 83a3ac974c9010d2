// The C++ library reports a broken size limit or an empty function object through these
// helpers; its own versions build std::length_error and its kin, which bring the
// library's copy-on-write string and exception family into the plug-in. Defined here,
// they raise what the plug-in already handles: a size no memory can hold is out of
// memory, anything else an Exception that the error box shows.
#include <bits/functexcept.h>

#include <new>

#include "runtime/Exception.h"

namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char* what) { throw Exception(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw Exception(format); }
void __throw_bad_function_call() { throw Exception("An event handler that was never set was called"); }
}  // namespace std
