#pragma once

#include "platform/PlatformProfile.h"

#include <ostream>
#include <string>
#include <vector>

namespace quillmere::cli {

// `quillmere-cli info [--json]`: where Quillmere looks for the messenger's files.
class InfoCommand {
  public:
    static int run(const std::vector<std::string>& args, const platform::PlatformProfile& profile,
                   std::ostream& out, std::ostream& err);
};

}  // namespace quillmere::cli
