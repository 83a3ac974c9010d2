// The C++ library's exception classes hold their message in the older, shared
// std::string; the library's complete copy of it is a tenth of this DLL. Instantiated
// here instead, only the members the exception classes call remain after the link.
#define _GLIBCXX_USE_CXX11_ABI 0
#include <string>

template class std::basic_string<char>;
