#include "cli/MsnObjCommand.h"

#include "platform/CodePage.h"
#include "platform/Utf.h"
#include "store/MsnObject.h"

#include <charconv>
#include <filesystem>

namespace quillmere::cli {

namespace {

constexpr const char* kUsage =
    "usage: quillmere-cli msnobj [--creator NAME] [--type N] FILE\n"
    "       quillmere-cli msnobj --m8 [--creator NAME] [--name FRIENDLY] FILE\n";

struct Options {
    bool m8 = false;
    std::string creator;
    std::string name;
    long type = 2;
    std::string file;
};

bool parse(const std::vector<std::string>& args, Options& o, std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--m8") {
            o.m8 = true;
        } else if (a == "--creator" && hasValue) {
            o.creator = args[++i];
        } else if (a == "--name" && hasValue) {
            o.name = args[++i];
        } else if (a == "--type" && hasValue) {
            const std::string& v = args[++i];
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.type);
            if (ec != std::errc() || end != v.data() + v.size()) {
                err << "quillmere-cli msnobj: the type must be a number\n";
                return false;
            }
        } else if (a.starts_with("--") || !o.file.empty()) {
            err << "quillmere-cli msnobj: unexpected argument '" << a << "'\n";
            return false;
        } else {
            o.file = a;
        }
    }
    return !o.file.empty() && !(o.m8 && o.type != 2);
}

}  // namespace

int MsnObjCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o, err)) {
        err << kUsage;
        return 2;
    }
    const std::filesystem::path file(o.file);
    const std::u16string creator = platform::utf16FromUtf8(o.creator);
    std::u16string text;
    if (o.m8) {
        text = store::MsnObject::messenger8Form(creator, file, platform::utf16FromUtf8(o.name));
    } else {
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        text = store::MsnObject::CreateMsnObj(folder, platform::utf16FromPath(file.filename()),
                                              o.type, creator, platform::CodePage::system(),
                                              nullptr, store::MsnObjBuildWording::kSilent);
        if (text.empty()) {
            err << "quillmere-cli msnobj: cannot read " << o.file << '\n';
            return 1;
        }
    }
    out << platform::utf8FromUtf16(text) << '\n';
    return 0;
}

}  // namespace quillmere::cli
