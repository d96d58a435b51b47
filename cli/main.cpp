#include "cli/ConvertCommand.h"
#include "cli/InfoCommand.h"
#include "cli/ListCommand.h"
#include "cli/MsnObjCommand.h"
#include "platform/PlatformProfile.h"
#include "services/AccountLogin.h"
#include "services/CGenericWeb.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: quillmere-cli [--help] COMMAND [ARGS]\n"
    "\n"
    "Command-line companion of the Quillmere emoticon wizard.\n"
    "\n"
    "Commands:\n"
    "  info [--json]   show where Quillmere looks for the messenger's files: the Wine prefix\n"
    "                  or native profile, the application-data and temporary folders, the\n"
    "                  Windows version, the user name used for data protection and the\n"
    "                  8-bit code page\n"
    "  convert [--fit clamp|aspect] SOURCE TARGET\n"
    "                  turn a BMP, GIF, JPEG, PNG or TIFF picture into an emoticon GIF\n"
    "                  (default clamp); prints written, copied, not decodable or cannot write\n"
    "  msnobj [--creator NAME] [--type N] FILE\n"
    "                  print the MSN object of a picture (type 2 unless given)\n"
    "  msnobj --m8 [--creator NAME] [--name FRIENDLY] FILE\n"
    "                  print its Messenger 8 form\n"
    "  login-hash NAME print the name of a login's pre-8 account folder\n"
    "  list --login NAME [--store pre8|m8] [--puid ID | --password PW] [--convert] [--json]\n"
    "                  list the account's emoticons (shortcut, name, msnobj, picture) from the\n"
    "                  store the wizard would choose, or the one given; the Messenger 8 store\n"
    "                  needs the account identifier, or the password to log in and get it;\n"
    "                  --convert answers yes to converting an older store into it\n"
    "  export --login NAME [--store pre8|m8] [--puid ID | --password PW] [--convert]\n"
    "         [--only SHORTCUT]... FILE\n"
    "                  write the account's emoticons (all, or the ones named) to an emoticon file\n"
    "\n"
    "Environment: WINEPREFIX (default ~/.wine), APPDATA, LOCALAPPDATA, TMPDIR, LANG,\n"
    "QUILLMERE_ACCOUNT_PRIMARY and QUILLMERE_ACCOUNT_SECONDARY (the account service),\n"
    "QUILLMERE_CA_FILE (an extra certificate authority).\n"
    "Exit status: 0 success, 1 failure, 2 usage error.\n";

int dispatch(const std::string& command, const std::vector<std::string>& rest) {
    using namespace quillmere;
    if (command == "convert") {
        return cli::ConvertCommand::run(rest, std::cout, std::cerr);
    }
    if (command == "msnobj") {
        return cli::MsnObjCommand::run(rest, std::cout, std::cerr);
    }
    const platform::Environment env = platform::Environment::fromProcess();
    const auto profile = platform::PlatformProfile::detect(env);
    if (command == "info") {
        return cli::InfoCommand::run(rest, *profile, std::cout, std::cerr);
    }
    if (command == "login-hash") {
        return cli::ListCommand::runLoginHash(rest, *profile, std::cout, std::cerr);
    }
    if (command == "list" || command == "export") {
        services::CGenericWeb web(services::WebOptions::fromEnvironment(env));
        services::WebAccountLogin login(
            web, services::WebAccountLogin::endpointFrom(env, "QUILLMERE_ACCOUNT_PRIMARY"),
            services::WebAccountLogin::endpointFrom(env, "QUILLMERE_ACCOUNT_SECONDARY"),
            profile->codePage(), profile->tempPath());
        return command == "list"
                   ? cli::ListCommand::run(rest, *profile, login, std::cout, std::cerr)
                   : cli::ListCommand::runExport(rest, *profile, login, std::cout, std::cerr);
    }
    std::cerr << "quillmere-cli: unknown command '" << command << "'\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return 0;
    }
    try {
        return dispatch(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const std::exception& e) {
        std::cerr << "quillmere-cli: " << e.what() << '\n';
        return 1;
    }
}
