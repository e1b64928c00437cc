#include "link/port_names.h"

#include <charconv>
#include <map>
#include <mutex>

namespace tavro {
namespace {

struct PortMap {
  std::mutex mutex;
  std::map<std::string, std::string> paths;
};

PortMap& ThePortMap() {
  static PortMap map;
  return map;
}

// n of "COMn" (digits only, n >= 1), or 0 for any other name.
unsigned ComNumber(const std::string& name) {
  constexpr std::string_view prefix = "COM";
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return 0;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  for (const char* c = first; c != last; ++c) {
    if (*c < '0' || *c > '9') return 0;
  }
  unsigned n = 0;
  auto [end, error] = std::from_chars(first, last, n);
  if (error != std::errc() || end != last) return 0;
  return n;
}

}  // namespace

void RegisterPortName(const std::string& name, const std::string& devicePath) {
  PortMap& map = ThePortMap();
  std::lock_guard lock(map.mutex);
  map.paths[name] = devicePath;
}

void UnregisterPortName(const std::string& name) {
  PortMap& map = ThePortMap();
  std::lock_guard lock(map.mutex);
  map.paths.erase(name);
}

void ClearPortNames() {
  PortMap& map = ThePortMap();
  std::lock_guard lock(map.mutex);
  map.paths.clear();
}

std::string ResolvePortName(const std::string& name) {
  if (!name.empty() && name.front() == '/') return name;
  {
    PortMap& map = ThePortMap();
    std::lock_guard lock(map.mutex);
    if (auto it = map.paths.find(name); it != map.paths.end()) return it->second;
  }
  if (unsigned n = ComNumber(name); n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
  return {};
}

}  // namespace tavro
