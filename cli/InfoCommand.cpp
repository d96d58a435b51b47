#include "cli/InfoCommand.h"

#include "cli/JsonWriter.h"

#include <iomanip>

namespace quillmere::cli {

namespace {

std::optional<std::string> pathText(const std::optional<std::filesystem::path>& path) {
    return path ? std::optional<std::string>(path->string()) : std::nullopt;
}

std::optional<std::string> versionText(const std::optional<platform::WindowsVersion>& v) {
    if (!v) {
        return std::nullopt;
    }
    return std::to_string(v->major) + "." + std::to_string(v->minor);
}

struct InfoFacts {
    std::string profile;
    std::optional<std::string> prefix;
    std::optional<std::string> roaming;
    std::optional<std::string> local;
    std::string temp;
    std::optional<std::string> version;
    std::string user;
    int codePage;
    int language;
};

InfoFacts gather(const platform::PlatformProfile& profile) {
    return {profile.kindName(),
            pathText(profile.winePrefix()),
            pathText(profile.roamingAppData()),
            pathText(profile.localAppData()),
            profile.tempPath().string(),
            versionText(profile.windowsVersion()),
            profile.userName(),
            profile.codePage().number(),
            profile.uiLanguage()};
}

void printJson(const InfoFacts& f, std::ostream& out) {
    JsonWriter json(out);
    json.text("profile", f.profile);
    json.textOrNull("wine_prefix", f.prefix);
    json.textOrNull("roaming_app_data", f.roaming);
    json.textOrNull("local_app_data", f.local);
    json.text("temp_folder", f.temp);
    json.textOrNull("windows_version", f.version);
    json.text("user_name", f.user);
    json.number("code_page", f.codePage);
    json.number("ui_language", f.language);
}

void printText(const InfoFacts& f, std::ostream& out) {
    auto line = [&out](const char* label, const std::string& value) {
        out << std::left << std::setw(34) << label << value << '\n';
    };
    line("Profile:",
         f.prefix ? "Wine prefix " + *f.prefix : std::string("native (no Wine prefix)"));
    line("Roaming application data:", f.roaming.value_or("none"));
    line("Local application data:", f.local.value_or("none"));
    line("Temporary folder:", f.temp);
    line("Windows version:", f.version.value_or("none"));
    line("User name for data protection:", f.user);
    line("8-bit code page:", std::to_string(f.codePage));
    line("User-interface language:", std::to_string(f.language));
}

}  // namespace

int InfoCommand::run(const std::vector<std::string>& args, const platform::PlatformProfile& profile,
                     std::ostream& out, std::ostream& err) {
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            err << "quillmere-cli info: unknown argument '" << arg << "'\n"
                << "usage: quillmere-cli info [--json]\n";
            return 2;
        }
    }
    const InfoFacts facts = gather(profile);
    if (json) {
        printJson(facts, out);
    } else {
        printText(facts, out);
    }
    return 0;
}

}  // namespace quillmere::cli
