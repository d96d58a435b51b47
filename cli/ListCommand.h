#pragma once

#include "platform/PlatformProfile.h"

#include <ostream>
#include <string>
#include <vector>

namespace quillmere::services {
class AccountLogin;
}

namespace quillmere::cli {

// `quillmere-cli login-hash NAME` and
// `quillmere-cli list --login NAME [--store pre8|m8] [--puid ID | --password PW] [--convert]
// [--json]`.
class ListCommand {
  public:
    static int runLoginHash(const std::vector<std::string>& args,
                            const platform::PlatformProfile& profile, std::ostream& out,
                            std::ostream& err);
    static int run(const std::vector<std::string>& args, const platform::PlatformProfile& profile,
                   services::AccountLogin& login, std::ostream& out, std::ostream& err);
    // `quillmere-cli export --login NAME [...] [--only SHORTCUT]... FILE`: the emoticon file the
    // wizard writes for the picked emoticons (all without --only).
    static int runExport(const std::vector<std::string>& args,
                         const platform::PlatformProfile& profile, services::AccountLogin& login,
                         std::ostream& out, std::ostream& err);
};

}  // namespace quillmere::cli
