#include "store/IconListLoader.h"

#include "app/UserDialogs.h"
#include "app/WizardState.h"
#include "platform/PathLookup.h"
#include "platform/PlatformProfile.h"
#include "platform/Utf.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"
#include "store/LoginHash.h"
#include "store/MapText.h"
#include "store/Msn8Store.h"
#include "store/MsnObjLocation.h"
#include "store/ProtectedTextFile.h"
#include "store/UniqueShortcut.h"

#include <algorithm>

namespace quillmere::store {

namespace {

using services::formatText;

constexpr int kBlankPicture = 129;

std::u16string wide(const std::filesystem::path& path) {
    return platform::utf16FromPath(path);
}

bool isFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

IconListLoader::IconListLoader(app::WizardState& state, const platform::PlatformProfile& profile,
                               app::UserDialogs& dialogs, const resources::StringTable& strings,
                               PictureFactory pictures)
    : m_state(state),
      m_profile(profile),
      m_dialogs(dialogs),
      m_strings(strings),
      m_pictures(std::move(pictures)),
      m_log(state.getLogger()) {}

void IconListLoader::log(std::u16string_view line) const {
    if (m_log != nullptr) {
        m_log->debug(line);
    }
}

void IconListLoader::showWarning(int stringId) const {
    m_dialogs.MessageBox(m_strings.get(stringId), app::UserDialogs::kCaption,
                         app::UserDialogs::Icon::Warning);
}

void IconListLoader::LoadEmotionIcons() {
    log(u"Start CPropertyPageIconList::LoadEmotionIcons()");
    if (m_state.isMsn8()) {
        ConvertPre8EmotionIcons();
        LoadEmotionIconsFromMSN8();
        return;
    }
    const auto text = readTrfText(false);
    m_state.setMsnPath(m_MsnPath);
    if (text) {
        ParseTRFdat(*text);
        log(u"Leaving CPropertyPageIconList::LoadEmotionIcons()");
    }
}

std::optional<std::u16string> IconListLoader::readTrfText(bool silent) {
    const platform::CodePage codePage = m_profile.codePage();
    m_email = platform::asciiLower(m_state.getLoginName());
    const std::string entropy = LoginHash::accountEntropy(m_email, codePage);
    const std::u16string hash = LoginHash::GetLoginHash(m_email, codePage);
    log(u"m_email = " + m_email + u", hash value=" + hash);

    const std::filesystem::path appData =
        platform::pathFromUtf16(m_profile.ExpandEnvironmentStrings(u"%APPDATA%"));
    const std::filesystem::path account = platform::PathLookup::resolveNoCase(
        appData, std::filesystem::path("Microsoft/MSN Messenger") / platform::pathFromUtf16(hash));
    const std::filesystem::path mapFile =
        platform::PathLookup::resolveNoCase(account, "CustomEmoticons/map.dat");
    m_MsnPath = wide(account);
    log(u"msnMapfileName = " + wide(mapFile) + u", m_MsnPath = " + m_MsnPath);

    const platform::DataProtection protection = m_profile.dataProtection();
    std::u16string mapText;
    try {
        const auto map = ProtectedTextFile::read(mapFile, platform::asBytes(entropy), protection,
                                                 ProtectedTextFile::kMapFile);
        if (map.failure == ProtectedReadFailure::Missing) {
            log(formatText(u"The map %s does not exist.", {wide(mapFile)}));
        } else if (map.failure == ProtectedReadFailure::Empty) {
            log(u"The program cannot read the map file or map file is empty.");
        } else if (map.failure == ProtectedReadFailure::Refused) {
            if (!silent) {
                log(u"The program cannot decrypt the map file.");
                showWarning(resources::IDS_CANNOT_DECRYPT_MAP);
            }
            return std::nullopt;
        }
        mapText = map.text;
    } catch (const std::exception&) {
        if (!silent) {
            log(formatText(u"The program catch exception while decrypting %s and can not continue.",
                           {wide(mapFile)}));
            showWarning(resources::IDS_CATCH_EXCEPTION);
        }
        return std::nullopt;
    }

    const std::u16string trfName =
        mapText.empty() ? std::u16string() : ParseMsnObj(mapText, m_log, MsnObjWording::kIconList);
    const std::filesystem::path mapFolder = platform::PathLookup::resolveNoCase(account, "MapFile");
    const std::filesystem::path trfFile =
        trfName.empty()
            ? mapFolder / ""
            : platform::PathLookup::resolveNoCase(mapFolder, platform::pathFromUtf16(trfName));
    // A Location that climbs out of MapFile is not followed.
    if (!platform::PathLookup::isPlainName(trfName) || !isFile(trfFile)) {
        log(formatText(u"The file %s does not exist.", {wide(trfFile)}));
        return std::nullopt;
    }
    try {
        const auto trf = ProtectedTextFile::read(trfFile, platform::asBytes(entropy), protection,
                                                 ProtectedTextFile::kTrfFile);
        if (trf.failure == ProtectedReadFailure::Empty) {
            log(formatText(u"The program cannot read the file: %s, or the file is empty.",
                           {wide(trfFile)}));
            return std::u16string();
        }
        if (trf.failure != ProtectedReadFailure::None) {
            if (!silent) {
                log(formatText(u"The program cannot decrypt the file: %s.", {wide(trfFile)}));
                showWarning(resources::IDS_CANNOT_DECRYPT_MAP);
            }
            return std::nullopt;
        }
        return trf.text;
    } catch (const std::exception&) {
        if (!silent) {
            log(formatText(u"The program catch exception while decrypting %s and can not continue.",
                           {wide(trfFile)}));
            showWarning(resources::IDS_CATCH_EXCEPTION);
        }
        return std::nullopt;
    }
}

void IconListLoader::addPicture(const std::filesystem::path& path) {
    try {
        std::unique_ptr<image::ListPicture> picture = m_pictures();
        if (path.empty() || !picture->Load(path)) {
            log(formatText(u"The picture class can not load the file: %s", {wide(path)}));
            picture->LoadFromResource(kBlankPicture);
        }
        if (const std::u16string temp = picture->tempGifPath(); !temp.empty()) {
            m_state.AddTempFile(temp);
        }
        m_list.iconMap[m_list.counter] = std::move(picture);
        ++m_list.counter;
    } catch (const std::exception&) {
        log(u"The picture class catch exception");
    }
}

std::optional<std::filesystem::path> IconListLoader::pre8Picture(
    const EmoticonRecord& record, const std::filesystem::path& pictures, bool& stop) const {
    const std::u16string imageName =
        ParseMsnObj(record.wsMsnObj(), m_log, MsnObjWording::kIconList);
    if (imageName.empty()) {
        log(u"get empty file name");
        stop = true;
        return std::nullopt;
    }
    const std::filesystem::path full =
        platform::PathLookup::resolveNoCase(pictures, platform::pathFromUtf16(imageName));
    log(formatText(u"get file name %s, full path name: %s", {imageName, wide(full)}));
    // A Location that names anything but a file in the picture folder is not followed.
    if (!platform::PathLookup::isPlainName(imageName) || !isFile(full)) {
        log(formatText(u"The file %s does not exist", {wide(full)}));
        return std::nullopt;
    }
    log(formatText(u"wsShortcutKey %s, wsName %s, fileName: %s, msnObj: %s",
                   {record.wsShortcutKey(), record.wsName(), imageName, record.wsMsnObj()}));
    return full;
}

void IconListLoader::ParseTRFdat(std::u16string_view text) {
    const std::filesystem::path pictures =
        platform::PathLookup::resolveNoCase(platform::pathFromUtf16(m_MsnPath), "CustomEmoticons");
    auto step = [&](EmoticonRecord&& record) {
        bool stop = false;
        const auto full = pre8Picture(record, pictures, stop);
        if (full) {
            m_list.m_IconListVector.push_back(std::move(record));
            addPicture(*full);
        }
        return stop ? RecordStep::Stop : RecordStep::Continue;
    };
    store::ParseTRFdat(text, step, m_log, TrfSplitWording::kIconList);
}

void IconListLoader::ConvertPre8EmotionIcons() {
    log(u"Start CPropertyPageIconList::ConvertPre8EmotionIcons()");
    const auto text = readTrfText(true);
    if (!text) {
        return;
    }
    ParseTRFdatForMSN8(*text);
    log(u"Leaving CPropertyPageIconList::ConvertPre8EmotionIcons()");
}

void IconListLoader::ParseTRFdatForMSN8(std::u16string_view text) {
    log(u"Start CPropertyPageIconList::ParseTRFdatForMSN8()");
    if (!m_bAskConvert) {
        return;
    }
    const std::u16string puid = m_state.getPuid();
    const std::u16string creator = m_state.getLoginName();
    const auto folder = Msn8Store::storeFolder(m_profile, creator);
    if (!folder) {
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(*folder, ec);
    std::vector<std::u16string> inUse = Msn8Store::CollectId2Shortcuts(*folder, puid);
    const std::filesystem::path pictures =
        platform::PathLookup::resolveNoCase(platform::pathFromUtf16(m_MsnPath), "CustomEmoticons");
    log(u"parse input data: " + std::u16string(text.substr(0, text.find(u'\0'))));
    auto step = [&](EmoticonRecord&& record) {
        bool stop = false;
        const auto picture = pre8Picture(record, pictures, stop);
        if (!picture) {
            return stop ? RecordStep::Stop : RecordStep::Continue;
        }
        const std::filesystem::path& source = *picture;
        const std::u16string base = Msn8Store::dt2BaseName(Msn8Store::GetMsn8NewGifName(source));
        if (base.empty()) {
            return RecordStep::Continue;
        }
        const std::filesystem::path target = *folder / platform::pathFromUtf16(base + u".dt2");
        if (std::filesystem::exists(target, ec)) {
            return RecordStep::Continue;
        }
        if (m_bAskConvert) {
            m_bAskConvert = false;
            if (!m_dialogs.AskYesNo(
                    u"Quillmere found some older version of MSN icons.\r\nDo you want to convert "
                    u"it to the latest version?",
                    app::UserDialogs::kCaption, app::UserDialogs::Icon::Question)) {
                return RecordStep::Stop;
            }
        }
        std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec);
        std::u16string shortcut = record.wsShortcutKey();
        if (std::find(inUse.begin(), inUse.end(), shortcut) != inUse.end()) {
            shortcut = UniqueShortcut::getUniqueName(inUse, m_log, u"CPropertyPageIconList");
            if (shortcut.empty()) {
                return RecordStep::Continue;
            }
        }
        inUse.push_back(shortcut);
        const std::u16string name = record.wsName() == u"\r" ? shortcut : record.wsName();
        Msn8Store::WriteId2File(shortcut, name, target, creator, puid);
        return RecordStep::Continue;
    };
    const SplitEnd end = splitMapText(text, step);
    if (end == SplitEnd::MissingFirstTab || end == SplitEnd::MissingSecondTab) {
        log(u"missing tab key, the format is wrong");
    }
    log(u"Leaving CPropertyPageIconList::ParseTRFdatForMSN8()");
}

void IconListLoader::LoadEmotionIconsFromMSN8() {
    log(u"Start CPropertyPageIconList::LoadEmotionIconsFromMSN8()");
    const auto folder = Msn8Store::storeFolder(m_profile, m_state.getLoginName());
    std::error_code ec;
    if (!folder || !std::filesystem::is_directory(*folder, ec)) {
        return;
    }
    m_state.setMsnPath(wide(*folder));
    const std::u16string puid = m_state.getPuid();
    for (const auto& file : Msn8Store::listId2Files(*folder)) {
        auto record = Msn8Store::readRecordFile(file, puid, m_log);
        if (!record) {
            continue;
        }
        m_list.m_IconListVector.emplace_back(record->shortcut, record->name, record->msnObj);
        std::filesystem::path picture = file;
        picture.replace_extension(".dt2");
        addPicture(picture);
    }
}

}  // namespace quillmere::store
