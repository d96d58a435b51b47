#include "cli/ConvertCommand.h"
#include "cli/InfoCommand.h"
#include "cli/MsnObjCommand.h"
#include "platform/PlatformProfile.h"

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
    "\n"
    "Environment: WINEPREFIX (default ~/.wine), APPDATA, LOCALAPPDATA, TMPDIR, LANG.\n"
    "Exit status: 0 success, 1 failure, 2 usage error.\n";

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
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    try {
        if (args[0] == "info") {
            const auto profile = quillmere::platform::PlatformProfile::detect(
                quillmere::platform::Environment::fromProcess());
            return quillmere::cli::InfoCommand::run(rest, *profile, std::cout, std::cerr);
        }
        if (args[0] == "convert") {
            return quillmere::cli::ConvertCommand::run(rest, std::cout, std::cerr);
        }
        if (args[0] == "msnobj") {
            return quillmere::cli::MsnObjCommand::run(rest, std::cout, std::cerr);
        }
    } catch (const std::exception& e) {
        std::cerr << "quillmere-cli: " << e.what() << '\n';
        return 1;
    }
    std::cerr << "quillmere-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return 2;
}
