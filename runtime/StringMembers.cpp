// The C++ library's complete std::string and std::wstring (all members, with their unwind
// tables) are a tenth of this DLL each. Instantiated here instead, each member in a
// section of its own, only the members the plug-in calls remain after the link drops
// unused sections.
#include <string>

template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
template std::string std::operator+(const char*, const std::string&);
template std::string std::operator+(char, const std::string&);
