#include <unistd.h>

#include <climits>

#include "runtime/FullPath.h"

std::string FullPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char folder[PATH_MAX];
  if (!getcwd(folder, sizeof folder)) return path;
  return std::string(folder) + "/" + path;
}
