#include "cli/ListCommand.h"

#include "app/TaskSelection.h"
#include "app/UserDialogs.h"
#include "app/WizardState.h"
#include "archive/ArchiveExporter.h"
#include "cli/JsonWriter.h"
#include "platform/Utf.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "services/AccountLogin.h"
#include "store/IconListLoader.h"
#include "store/LoginHash.h"

#include <algorithm>
#include <optional>

namespace quillmere::cli {

namespace {

constexpr const char* kUsage =
    "usage: quillmere-cli list --login NAME [--store pre8|m8] [--puid ID | --password PW] "
    "[--convert] [--json]\n";
constexpr const char* kExportUsage =
    "usage: quillmere-cli export --login NAME [--store pre8|m8] [--puid ID | --password PW] "
    "[--convert]\n"
    "                            [--only SHORTCUT]... FILE\n";

// What the wizard would show in a message box goes to stderr and makes the command fail; the
// conversion question takes the answer given on the command line.
class ConsoleDialogs : public app::UserDialogs {
  public:
    ConsoleDialogs(std::ostream& err, bool convert) : m_err(err), m_convert(convert) {}
    void MessageBox(std::u16string_view text, std::u16string_view, Icon) override {
        m_err << "quillmere-cli: " << platform::utf8FromUtf16(text) << '\n';
        m_failed = true;
    }
    bool AskYesNo(std::u16string_view, std::u16string_view, Icon) override { return m_convert; }
    std::optional<std::u16string> SaveFileName(std::u16string_view, std::u16string_view) override {
        return std::nullopt;
    }
    bool failed() const { return m_failed; }

  private:
    std::ostream& m_err;
    bool m_convert;
    bool m_failed = false;
};

struct Options {
    std::vector<std::string> only;
    std::string file;
    std::string login;
    std::string store;
    std::string puid;
    std::string password;
    bool hasPuid = false;
    bool hasPassword = false;
    bool convert = false;
    bool json = false;
};

bool parse(const std::vector<std::string>& args, Options& o, bool exporting) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool value = i + 1 < args.size();
        if (exporting && a == "--only" && value) {
            o.only.push_back(args[++i]);
        } else if (exporting && !a.starts_with("--") && o.file.empty()) {
            o.file = a;
        } else if (a == "--login" && value) {
            o.login = args[++i];
        } else if (a == "--store" && value) {
            o.store = args[++i];
        } else if (a == "--puid" && value) {
            o.puid = args[++i];
            o.hasPuid = true;
        } else if (a == "--password" && value) {
            o.password = args[++i];
            o.hasPassword = true;
        } else if (a == "--convert") {
            o.convert = true;
        } else if (a == "--json") {
            o.json = true;
        } else {
            return false;
        }
    }
    return !o.login.empty() && (o.store.empty() || o.store == "pre8" || o.store == "m8") &&
           !(o.hasPuid && o.hasPassword) && (!exporting || !o.file.empty());
}

void print(store::IconListLoader& loader, bool json, std::ostream& out) {
    const auto& records = loader.list().m_IconListVector;
    auto picturePath = [&loader](size_t i) {
        const auto it = loader.list().iconMap.find(static_cast<int>(i));
        const auto* picture = it == loader.list().iconMap.end()
                                  ? nullptr
                                  : dynamic_cast<const image::PicturePathOnly*>(it->second.get());
        return picture != nullptr ? picture->path().string() : std::string();
    };
    if (!json) {
        for (size_t i = 0; i < records.size(); ++i) {
            out << platform::utf8FromUtf16(records[i].wsShortcutKey()) << '\t'
                << platform::utf8FromUtf16(records[i].wsName()) << '\t'
                << platform::utf8FromUtf16(records[i].wsMsnObj()) << '\t' << picturePath(i) << '\n';
        }
        return;
    }
    out << "[";
    for (size_t i = 0; i < records.size(); ++i) {
        out << (i == 0 ? "\n  " : ",\n  ") << "{\"shortcut\": "
            << JsonWriter::quote(platform::utf8FromUtf16(records[i].wsShortcutKey()))
            << ", \"name\": " << JsonWriter::quote(platform::utf8FromUtf16(records[i].wsName()))
            << ", \"msnobj\": " << JsonWriter::quote(platform::utf8FromUtf16(records[i].wsMsnObj()))
            << ", \"picture\": " << JsonWriter::quote(picturePath(i)) << "}";
    }
    out << (records.empty() ? "]\n" : "\n]\n");
}

int loginNotCorrect(const resources::StringTable& strings, std::ostream& err) {
    err << "quillmere-cli: "
        << platform::utf8FromUtf16(strings.get(resources::IDS_LOGIN_NOT_CORRECT)) << '\n';
    return 1;
}

}  // namespace

int ListCommand::runLoginHash(const std::vector<std::string>& args,
                              const platform::PlatformProfile& profile, std::ostream& out,
                              std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: quillmere-cli login-hash NAME\n";
        return 2;
    }
    out << platform::utf8FromUtf16(
               store::LoginHash::GetLoginHash(platform::utf16FromUtf8(args[0]), profile.codePage()))
        << '\n';
    return 0;
}

namespace {

// Opens the account the way the task page would and loads its emoticons as the list page does.
// Returns the exit status on failure.
std::optional<int> openAccount(const Options& o, const platform::PlatformProfile& profile,
                               services::AccountLogin& login, const resources::StringTable& strings,
                               app::WizardState& state, std::ostream& err) {
    const std::u16string name = platform::utf16FromUtf8(o.login);
    state.setLoginName(name);
    const bool msn8 =
        o.store.empty() ? app::TaskSelection::usesMessenger8(profile) : o.store == "m8";
    if (!msn8) {
        return app::TaskSelection::pre8AccountExists(profile, name)
                   ? std::nullopt
                   : std::optional<int>(loginNotCorrect(strings, err));
    }
    std::u16string puid = platform::utf16FromUtf8(o.puid);
    if (!o.hasPuid) {
        if (!o.hasPassword) {
            err << "quillmere-cli: the Messenger 8 store needs --puid or --password\n";
            return 2;
        }
        puid = login.RequestPuid(name, platform::utf16FromUtf8(o.password));
    }
    if (puid.empty() || platform::asciiLower(puid) == u"auth_error") {
        return loginNotCorrect(strings, err);
    }
    state.setMsn8(true);
    state.setPuid(platform::asciiLower(puid));
    return std::nullopt;
}

// The wizard's state for one account, loaded as the list page loads it.
struct Session {
    Session(std::ostream& err, bool convert) : dialogs(err, convert) {}

    const resources::StringTable strings;
    app::WizardState state;
    ConsoleDialogs dialogs;
    std::optional<store::IconListLoader> loader;
};

// Opens the account and loads its emoticons; the exit status when that fails.
std::optional<int> load(const Options& o, const platform::PlatformProfile& profile,
                        services::AccountLogin& login, Session& session, std::ostream& err) {
    if (const auto failed = openAccount(o, profile, login, session.strings, session.state, err)) {
        return failed;
    }
    session.loader.emplace(session.state, profile, session.dialogs, session.strings,
                           [] { return std::make_unique<image::PicturePathOnly>(); });
    session.loader->LoadEmotionIcons();
    return session.dialogs.failed() ? std::optional<int>(1) : std::nullopt;
}

}  // namespace

int ListCommand::run(const std::vector<std::string>& args, const platform::PlatformProfile& profile,
                     services::AccountLogin& login, std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o, false)) {
        err << kUsage;
        return 2;
    }
    Session session(err, o.convert);
    if (const auto failed = load(o, profile, login, session, err)) {
        return *failed;
    }
    print(*session.loader, o.json, out);
    return 0;
}

int ListCommand::runExport(const std::vector<std::string>& args,
                           const platform::PlatformProfile& profile, services::AccountLogin& login,
                           std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o, true)) {
        err << kExportUsage;
        return 2;
    }
    Session session(err, o.convert);
    if (const auto failed = load(o, profile, login, session, err)) {
        return *failed;
    }
    app::WizardState& state = session.state;
    for (const auto& record : session.loader->list().m_IconListVector) {
        const std::string shortcut = platform::utf8FromUtf16(record.wsShortcutKey());
        if (o.only.empty() || std::find(o.only.begin(), o.only.end(), shortcut) != o.only.end()) {
            state.addSelectedIcon(record.mapTextLine());
        }
    }
    state.setExportFilePath(platform::utf16FromPath(std::filesystem::absolute(o.file)));
    archive::ArchiveExporter exporter(state, profile, session.dialogs, session.strings);
    if (!exporter.Export()) {
        return 1;
    }
    out << "exported " << state.getSelectedIcons().size() << " emoticons to " << o.file << '\n';
    return 0;
}

}  // namespace quillmere::cli
