#include "resources/resources.h"

#include "resources_data.inc"

namespace tarnex::resources {

std::span<const Resource> all() { return kResources; }

std::string_view text(std::string_view name) {
  for (const auto& resource : kResources) {
    if (resource.name == name) return resource.text;
  }
  return {};
}

}  // namespace tarnex::resources
