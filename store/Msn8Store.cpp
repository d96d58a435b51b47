#include "store/Msn8Store.h"

#include "platform/PathLookup.h"
#include "platform/PlatformProfile.h"
#include "platform/StoreCipher.h"
#include "platform/Utf.h"
#include "services/CQuiLoggerBase.h"
#include "store/MsnObject.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quillmere::store {

namespace {

std::optional<platform::Bytes> readSmallFile(const std::filesystem::path& file,
                                             std::uintmax_t limit) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > limit) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    platform::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes;
}

}  // namespace

std::optional<std::filesystem::path> Msn8Store::storeFolder(
    const platform::PlatformProfile& profile, std::u16string_view login) {
    const auto local = profile.localAppData();
    if (!local) {
        return std::nullopt;
    }
    return platform::PathLookup::resolveNoCase(
        *local, std::filesystem::path("Microsoft/Messenger") / platform::pathFromUtf16(login) /
                    "ObjectStore/CustomEmoticons");
}

std::optional<std::u16string> Msn8Store::ReadId2File(platform::ByteView bytes,
                                                     std::u16string_view puid) {
    if (bytes.size() > kReadBuffer) {
        return std::nullopt;
    }
    const auto plain = platform::StoreCipher(puid).decrypt(bytes);
    if (!plain) {
        return std::nullopt;
    }
    std::u16string text;
    for (size_t i = 0; i + 1 < plain->size(); i += 2) {
        const auto unit = static_cast<char16_t>((*plain)[i] | (*plain)[i + 1] << 8);
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

std::optional<Id2Record> Msn8Store::parseId2Record(std::u16string_view text,
                                                   const services::CQuiLoggerBase* log) {
    auto formatError = [log]() -> std::optional<Id2Record> {
        if (log != nullptr) {
            log->debug(u"missing tab key, the format is wrong");
        }
        return std::nullopt;
    };
    const size_t end0 = text.find(u'\t');
    const size_t end1 = end0 == std::u16string_view::npos ? end0 : text.find(u'\t', end0 + 1);
    if (end1 == std::u16string_view::npos) {
        return formatError();
    }
    size_t end2 = text.find(u'\t', end1 + 1);
    const std::u16string_view msnObj =
        text.substr(end1 + 1, end2 == std::u16string_view::npos ? end2 : end2 - end1 - 1);
    const size_t end3 = end2 == std::u16string_view::npos ? end2 : text.find(u'\t', end2 + 1);
    if (end3 == std::u16string_view::npos) {
        return formatError();
    }
    const size_t end4 = text.find(u'\t', end3 + 1);
    Id2Record record{std::u16string(text.substr(
                         end3 + 1, end4 == std::u16string_view::npos ? end4 : end4 - end3 - 1)),
                     std::u16string(text.substr(end0 + 1, end1 - end0 - 1)),
                     std::u16string(msnObj)};
    if (log != nullptr) {
        log->debug(u"wsShortcutKey " + record.shortcut + u", wsName " + record.name +
                   u", msnObj: " + record.msnObj);
    }
    return record;
}

std::optional<Id2Record> Msn8Store::readRecordFile(const std::filesystem::path& id2,
                                                   std::u16string_view puid,
                                                   const services::CQuiLoggerBase* log) {
    const auto bytes = readSmallFile(id2, kReadBuffer);
    if (!bytes) {
        return std::nullopt;
    }
    const auto text = ReadId2File(*bytes, puid);
    return text ? parseId2Record(*text, log) : std::nullopt;
}

std::vector<std::filesystem::path> Msn8Store::listId2Files(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError) &&
            platform::asciiLower(it->path().extension().string()) == ".id2") {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::u16string> Msn8Store::CollectId2Shortcuts(const std::filesystem::path& folder,
                                                           std::u16string_view puid) {
    std::vector<std::u16string> shortcuts;
    for (const auto& file : listId2Files(folder)) {
        if (const auto record = readRecordFile(file, puid, nullptr)) {
            if (std::u16string shortcut = platform::trimWhitespace(record->shortcut);
                !shortcut.empty()) {
                shortcuts.push_back(std::move(shortcut));
            }
        }
    }
    return shortcuts;
}

bool Msn8Store::WriteId2File(std::u16string_view shortcut, std::u16string_view name,
                             const std::filesystem::path& picture, std::u16string_view creator,
                             std::u16string_view puid) {
    const std::u16string trimmedName = platform::trimWhitespace(name);
    const std::u16string msnObj = MsnObject::messenger8Form(creator, picture, trimmedName);
    const std::u16string record = u"2\t" + trimmedName + u"\t" + msnObj + u"\tKey\t" +
                                  platform::trimWhitespace(shortcut) + u"\t";
    const auto encrypted = encryptRecord(record, puid);
    if (!encrypted) {
        return false;
    }
    std::filesystem::path target = picture;
    target.replace_extension(".id2");
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(encrypted->data()),
              static_cast<std::streamsize>(encrypted->size()));
    out.close();
    return static_cast<bool>(out);
}

std::optional<platform::Bytes> Msn8Store::encryptRecord(std::u16string_view record,
                                                        std::u16string_view puid) {
    platform::Bytes plain = platform::utf16leBytes(record);
    plain.push_back(0);
    plain.push_back(0);
    auto encrypted = platform::StoreCipher(puid).encrypt(plain);
    if (!encrypted || encrypted->size() > kWriteLimit) {
        return std::nullopt;
    }
    return encrypted;
}

std::u16string Msn8Store::GetMsn8NewGifName(const std::filesystem::path& picture) {
    return MsnObject::fileSha1D(picture).value_or(std::u16string());
}

std::u16string Msn8Store::dt2BaseName(std::u16string_view sha1d) {
    std::u16string out;
    for (char16_t c : sha1d) {
        if (c == u'/') {
            out += u"2F";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace quillmere::store
