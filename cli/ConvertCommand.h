#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillmere::cli {

// `quillmere-cli convert [--fit clamp|aspect] SOURCE TARGET`: one picture to an emoticon GIF.
class ConvertCommand {
  public:
    static int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace quillmere::cli
