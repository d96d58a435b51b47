#pragma once

#include "services/CQuiLoggerBase.h"

#include <memory>
#include <string>
#include <vector>

namespace quillmere::app {

// What the wizard's pages hand to each other. Pages reach it only through these operations;
// getters return copies.
class WizardState {
  public:
    WizardState();
    // Deletes every registered temporary file and folder, whichever way the run ended.
    ~WizardState();
    WizardState(const WizardState&) = delete;
    WizardState& operator=(const WizardState&) = delete;

    const services::CQuiLoggerBase* getLogger() const { return m_pLogger.get(); }

    // Registers a temporary file, or a folder given with a trailing separator.
    void AddTempFile(const std::u16string& path);
    void AddLocalIconFile(const std::u16string& path);
    void DeleteTempFiles();
    std::vector<std::u16string> getTempFiles() const { return m_TempFiles; }

    void setLoginName(const std::u16string& v) { m_LoginName = v; }
    std::u16string getLoginName() const { return m_LoginName; }
    void setExportFilePath(const std::u16string& v) { m_ExportFilePath = v; }
    std::u16string getExportFilePath() const { return m_ExportFilePath; }
    void setImportFilePath(const std::u16string& v) { m_ImportFilePath = v; }
    std::u16string getImportFilePath() const { return m_ImportFilePath; }
    void setMsnPath(const std::u16string& v) { m_MsnPath = v; }
    std::u16string getMsnPath() const { return m_MsnPath; }
    void setUnzippedImportFilePath(const std::u16string& v) { m_UnzippedImportFilePath = v; }
    std::u16string getUnzippedImportFilePath() const { return m_UnzippedImportFilePath; }
    void setYahooIconPath(const std::u16string& v) { m_YahooIconPath = v; }
    std::u16string getYahooIconPath() const { return m_YahooIconPath; }
    void setLocalIconPath(const std::u16string& v) { m_LocalIconPath = v; }
    std::u16string getLocalIconPath() const { return m_LocalIconPath; }
    void setPuid(const std::u16string& v) { m_Puid = v; }
    std::u16string getPuid() const { return m_Puid; }

    void setMsn8(bool v) { m_bMsn8 = v; }
    bool isMsn8() const { return m_bMsn8; }
    void setSkipPreview(bool v) { m_bSkipPreview = v; }
    bool isSkipPreview() const { return m_bSkipPreview; }
    // There is no way back to false within a run.
    void setYahooExtractFailed() { m_bYahooExtractFailed = true; }
    bool isYahooExtractFailed() const { return m_bYahooExtractFailed; }

    void addSelectedIcon(const std::u16string& line) { m_SelectedIcons.push_back(line); }
    std::vector<std::u16string> getSelectedIcons() const { return m_SelectedIcons; }
    void clearSelectedIcons() { m_SelectedIcons.clear(); }
    void addYahooIcon(const std::string& entry) { m_YahooIconList.push_back(entry); }
    std::vector<std::string> getYahooIcons() const { return m_YahooIconList; }
    void clearYahooIcons() { m_YahooIconList.clear(); }
    std::vector<std::u16string> getLocalIconFiles() const { return m_LocalIconFiles; }
    void clearLocalIconFiles() { m_LocalIconFiles.clear(); }

  private:
    void log(std::u16string_view message) const;

    std::vector<std::u16string> m_SelectedIcons;
    std::u16string m_LoginName;
    std::u16string m_ExportFilePath;
    std::u16string m_ImportFilePath;
    std::u16string m_MsnPath;
    std::u16string m_UnzippedImportFilePath;
    std::vector<std::u16string> m_TempFiles;
    std::unique_ptr<services::CQuiLoggerBase> m_pLogger;
    bool m_bYahooExtractFailed = false;
    std::u16string m_YahooIconPath;
    std::vector<std::string> m_YahooIconList;
    std::vector<std::u16string> m_LocalIconFiles;
    std::u16string m_LocalIconPath;
    bool m_bMsn8 = false;
    std::u16string m_Puid;
    bool m_bSkipPreview = false;
};

}  // namespace quillmere::app
