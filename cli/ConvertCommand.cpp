#include "cli/ConvertCommand.h"

#include "image/EmoticonGifConverter.h"

namespace quillmere::cli {

namespace {

constexpr const char* kUsage = "usage: quillmere-cli convert [--fit clamp|aspect] SOURCE TARGET\n";

}  // namespace

int ConvertCommand::run(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    image::SizingRule rule = image::SizingRule::ClampBox;
    std::vector<std::string> paths;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--fit" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (value == "clamp") {
                rule = image::SizingRule::ClampBox;
            } else if (value == "aspect") {
                rule = image::SizingRule::AspectBox;
            } else {
                err << "quillmere-cli convert: unknown sizing rule '" << value << "'\n" << kUsage;
                return 2;
            }
        } else if (args[i].starts_with("--")) {
            err << "quillmere-cli convert: unknown option '" << args[i] << "'\n" << kUsage;
            return 2;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) {
        err << kUsage;
        return 2;
    }
    switch (image::EmoticonGifConverter::ConvertToEmoticonGif(paths[0], paths[1], rule)) {
        case image::ConvertOutcome::Written:
            out << "written\n";
            return 0;
        case image::ConvertOutcome::CopiedUnchanged:
            out << "copied\n";
            return 0;
        case image::ConvertOutcome::NotDecodable:
            out << "not decodable\n";
            return 1;
        case image::ConvertOutcome::CannotWrite:
            out << "cannot write\n";
            return 1;
    }
    return 1;
}

}  // namespace quillmere::cli
