#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillmere::cli {

// `quillmere-cli msnobj [--creator NAME] [--type N] FILE` prints the full form;
// `quillmere-cli msnobj --m8 [--creator NAME] [--name FRIENDLY] FILE` the Messenger 8 form.
class MsnObjCommand {
  public:
    static int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace quillmere::cli
