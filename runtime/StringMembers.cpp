// The C++ library's complete std::string (all members, with their unwind tables) is a
// tenth of this DLL. Instantiated here instead, each member in a section of its own,
// only the members the plug-in calls remain after the link drops unused sections.
#include <string>

template class std::basic_string<char>;
template std::string std::operator+(const char*, const std::string&);
template std::string std::operator+(char, const std::string&);
