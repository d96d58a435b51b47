#include "archive/ArchiveExporter.h"

#include "app/UserDialogs.h"
#include "app/WizardState.h"
#include "archive/ZipWriter.h"
#include "image/EmoticonGifConverter.h"
#include "platform/FileReplacement.h"
#include "platform/PathLookup.h"
#include "platform/PlatformProfile.h"
#include "platform/TempFileName.h"
#include "platform/Utf.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "services/FormatText.h"
#include "store/Base64.h"
#include "store/Msn8Store.h"
#include "store/MsnObjLocation.h"
#include "store/MsnObject.h"

#include <algorithm>
#include <fstream>

namespace quillmere::archive {

namespace {

constexpr std::string_view kSeparator = "\r\r\n";

struct PickedLine {
    std::u16string shortcut;
    std::u16string name;
    std::u16string msnObj;
};

PickedLine split(std::u16string_view line) {
    PickedLine picked;
    const size_t first = line.find(u'\t');
    if (first == std::u16string_view::npos) {
        return picked;
    }
    picked.shortcut = line.substr(0, first);
    const size_t second = line.find(u'\t', first + 1);
    if (second == std::u16string_view::npos) {
        return picked;
    }
    picked.name = line.substr(first + 1, second - first - 1);
    const size_t third = line.find(u'\t', second + 1);
    picked.msnObj =
        line.substr(second + 1, third == std::u16string_view::npos ? third : third - second - 1);
    return picked;
}

bool isFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void append(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::app)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The depth-first walk of the staging folder, names in order, hidden entries left out.
void walk(const std::filesystem::path& folder, const std::string& prefix,
          std::vector<std::string>& entries) {
    std::vector<std::filesystem::directory_entry> children;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->path().filename().native().starts_with('.')) {
            children.push_back(*it);
        }
    }
    std::sort(children.begin(), children.end());
    for (const auto& child : children) {
        const std::string name = prefix + child.path().filename().string();
        if (child.is_directory(ec)) {
            entries.push_back(name + "/");
            walk(child.path(), name + "/", entries);
        } else {
            entries.push_back(name);
        }
    }
}

}  // namespace

ArchiveExporter::ArchiveExporter(app::WizardState& state, const platform::PlatformProfile& profile,
                                 app::UserDialogs& dialogs, const resources::StringTable& strings)
    : m_state(state), m_profile(profile), m_dialogs(dialogs), m_strings(strings) {}

std::u16string ArchiveExporter::pre8PictureName(std::u16string_view location) {
    const size_t dot = location.find(u'.');
    if (dot != std::u16string_view::npos && dot > 0) {
        return std::u16string(location.substr(0, dot)) + u".gif";
    }
    return std::u16string(location) + u".gif";
}

std::u16string ArchiveExporter::sha1dOf(std::u16string_view msnObj) {
    const size_t key = msnObj.find(u"SHA1D=");
    const size_t open = key == std::u16string_view::npos ? key : msnObj.find(u'"', key);
    const size_t close = open == std::u16string_view::npos ? open : msnObj.find(u'"', open + 1);
    return close == std::u16string_view::npos
               ? std::u16string()
               : std::u16string(msnObj.substr(open + 1, close - open - 1));
}

std::string ArchiveExporter::wrapLine(std::u16string_view line) {
    platform::Bytes bytes = platform::utf16leBytes(line);
    bytes.push_back(0);
    bytes.push_back(0);
    return store::Base64::encode(bytes);
}

std::optional<std::filesystem::path> ArchiveExporter::makeStagingFolder() {
    const auto reserved = platform::TempFileName::create(m_profile.tempPath(), "emo");
    if (!reserved) {
        return std::nullopt;
    }
    std::error_code ec;
    std::filesystem::remove(*reserved, ec);
    std::filesystem::path staging = *reserved;
    staging.replace_extension();
    staging += "_tmp";
    m_state.AddTempFile(platform::utf16FromPath(staging) + u"/");
    if (!std::filesystem::create_directories(staging / "CustomEmoticons", ec)) {
        return std::nullopt;
    }
    std::ofstream(staging / "ver.cfg", std::ios::binary)
        << platform::utf8FromUtf16(m_strings.get(resources::IDS_ARCHIVE_VERSION));
    std::ofstream(staging / "CustomEmoticons" / "map.txt", std::ios::binary);
    return staging;
}

void ArchiveExporter::stagePre8(const std::filesystem::path& pictures,
                                const std::vector<std::u16string>& lines) {
    const std::filesystem::path store =
        platform::pathFromUtf16(m_state.getMsnPath()) / "CustomEmoticons";
    const std::filesystem::path map = pictures / "map.txt";
    for (size_t i = 0; i < lines.size(); ++i) {
        const PickedLine picked = split(lines[i]);
        const std::u16string location =
            store::ParseMsnObj(picked.msnObj, nullptr, store::MsnObjWording::kIconList);
        const std::filesystem::path source = store / platform::pathFromUtf16(location);
        if (!platform::PathLookup::isPlainName(location) || !isFile(source)) {
            continue;
        }
        const std::u16string name = pre8PictureName(location);
        const std::filesystem::path target = pictures / platform::pathFromUtf16(name);
        const auto outcome = image::EmoticonGifConverter::ConvertToEmoticonGif(
            source, target, image::SizingRule::ClampBox);
        if (outcome == image::ConvertOutcome::NotDecodable) {
            std::error_code ec;
            std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec);
        }
        const std::u16string msnObj = store::MsnObject::CreateMsnObj(
            pictures, name, 2, m_state.getLoginName(), m_profile.codePage(), nullptr,
            store::MsnObjBuildWording::kSilent);
        if (msnObj.empty()) {
            continue;
        }
        std::string bytes = wrapLine(picked.shortcut + u"\t" + picked.name + u"\t" + msnObj);
        bytes.push_back('\0');
        if (i + 1 < lines.size()) {
            bytes += kSeparator;
        }
        append(map, bytes);
    }
}

void ArchiveExporter::stageMsn8(const std::filesystem::path& pictures,
                                const std::vector<std::u16string>& lines) {
    m_state.AddTempFile(platform::utf16FromPath(pictures / "Thumbs.db"));
    const std::filesystem::path store = platform::pathFromUtf16(m_state.getMsnPath());
    const std::filesystem::path map = pictures / "map.txt";
    for (size_t i = 0; i < lines.size(); ++i) {
        const PickedLine picked = split(lines[i]);
        const std::u16string sha1d = sha1dOf(picked.msnObj);
        const std::u16string base = store::Msn8Store::dt2BaseName(sha1d);
        const std::filesystem::path source = store / platform::pathFromUtf16(base + u".dt2");
        if (!platform::PathLookup::isPlainName(base) || !isFile(source)) {
            continue;
        }
        const auto reserved = platform::TempFileName::create(pictures, "TFR");
        if (!reserved) {
            continue;
        }
        std::error_code ec;
        std::filesystem::remove(*reserved, ec);
        std::filesystem::path target = *reserved;
        target.replace_extension(".gif");
        std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec);
        const std::u16string name = platform::utf16FromPath(target.filename());
        const std::u16string msnObj = store::MsnObject::CreateMsnObj(
            pictures, name, 2, m_state.getLoginName(), m_profile.codePage(), nullptr,
            store::MsnObjBuildWording::kSilent);
        if (msnObj.empty()) {
            continue;
        }
        std::string bytes = i != 0 ? std::string(kSeparator) : std::string();
        bytes += wrapLine(picked.shortcut + u"\t" + picked.name + u"\t" + msnObj);
        append(map, bytes);
    }
}

void ArchiveExporter::message(int stringId, const std::filesystem::path& archive) const {
    m_dialogs.MessageBox(
        services::formatText(m_strings.get(stringId), {platform::utf16FromPath(archive)}),
        app::UserDialogs::kCaption, app::UserDialogs::Icon::Warning);
}

bool ArchiveExporter::pack(const std::filesystem::path& staging,
                           const std::filesystem::path& archive) {
    std::vector<std::string> entries;
    walk(staging, "", entries);
    bool created = false;
    const bool written =
        platform::FileReplacement::replace(archive, [&](const std::filesystem::path& temporary) {
            ZipWriter zip(temporary);
            created = zip.isOpen();
            bool ok = created;
            for (const std::string& entry : entries) {
                if (!ok) {
                    break;
                }
                ok = entry.ends_with('/') ? zip.addFolder(entry)
                                          : zip.addFile(entry, staging / entry);
            }
            return zip.close() && ok;
        });
    if (!written) {
        message(created ? resources::IDS_FAILED_TO_CLOSE : resources::IDS_FAILED_TO_CREATE,
                archive);
    }
    return written;
}

bool ArchiveExporter::Export() {
    const std::vector<std::u16string> lines = m_state.getSelectedIcons();
    const std::filesystem::path archive = platform::pathFromUtf16(m_state.getExportFilePath());
    const auto staging = makeStagingFolder();
    if (!staging) {
        message(resources::IDS_FAILED_TO_CREATE, archive);
        return false;
    }
    if (m_state.isMsn8()) {
        stageMsn8(*staging / "CustomEmoticons", lines);
    } else {
        stagePre8(*staging / "CustomEmoticons", lines);
    }
    const bool written = pack(*staging, archive);
    std::error_code ec;
    std::filesystem::remove_all(*staging, ec);
    return written;
}

}  // namespace quillmere::archive
