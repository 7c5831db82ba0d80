#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "unit/panel_fixture.h"

namespace {

using namespace res;
using testing_support::ConnectedPanelTest;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir))
            if (e->d_name[0] != '.') names.push_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

const char* kScenario =
    R"(devices: [{files: {ZQ7SET.CSV: ["Setting,Value", "PLC Delay ms,250", "Language,English"]}}])";
const char* kWhole = "Setting,Value\r\nPLC Delay ms,250\r\nLanguage,English\r\n";

class SaveAndOpen : public ConnectedPanelTest {
  protected:
    SaveAndOpen() : ConnectedPanelTest(kScenario) {
        char pattern[] = "/tmp/zq-save-test-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    ~SaveAndOpen() override { std::system(("rm -rf " + folder).c_str()); }
    void downloadSettingsFile() {
        platform.answerNextBox(platform::IDYES);
        w->click(IDC_LOG_SETTINGS);
    }
    std::string folder;
};

TEST_F(SaveAndOpen, NothingDownloadedIsSaidForBothButtons) {
    w->click(IDC_SAVE_FILE);
    w->click(IDC_OPEN_FILE);
    ASSERT_EQ(platform.boxes().size(), 2u);
    for (const auto& box : platform.boxes()) {
        EXPECT_EQ(box.text, "You must download a file first!");
        EXPECT_EQ(box.caption, "Error");
    }
    EXPECT_TRUE(platform.folderTitles().empty());
}

TEST_F(SaveAndOpen, SaveWritesTheWholeFileUnderItsCardNameAndReplacesAnEarlierOne) {
    downloadSettingsFile();
    std::ofstream(folder + "/ZQ7SET.CSV") << "an older file, much longer than the new one\n";
    platform.answerNextFolder(folder);
    w->click(IDC_SAVE_FILE);
    EXPECT_EQ(platform.folderTitles(), std::vector<std::string>{"Choose a folder"});
    EXPECT_EQ(fileText(folder + "/ZQ7SET.CSV"), kWhole);
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"ZQ7SET.CSV"});  // nothing left beside it
    EXPECT_EQ(panel.logFileChoice, 2);
}

TEST_F(SaveAndOpen, ACancelledFolderWritesNothingAndSaysNothing) {
    downloadSettingsFile();
    platform.answerNextFolder(std::nullopt);
    w->click(IDC_SAVE_FILE);
    EXPECT_TRUE(filesIn(folder).empty());
    EXPECT_EQ(platform.boxes().size(), 1u);  // the download's warning only
}

TEST_F(SaveAndOpen, AFolderThatCannotTakeTheFileIsToldBeforeAnyLineIsRead) {
    downloadSettingsFile();
    units.clear();
    platform.answerNextFolder(folder + "/no/such/folder");
    w->click(IDC_SAVE_FILE);
    EXPECT_EQ(units.count("ReadFileLine"), 0u);
    ASSERT_EQ(platform.boxes().size(), 2u);
    EXPECT_EQ(platform.boxes().back().caption, "Error");
    EXPECT_EQ(platform.boxes().back().text, "The file " + folder +
                                                "/no/such/folder/ZQ7SET.CSV could not be "
                                                "written: No such file or directory");
}

TEST_F(SaveAndOpen, AFailedReplaceLeavesTheEarlierFileAndSaysWhy) {
    downloadSettingsFile();
    ::mkdir((folder + "/ZQ7SET.CSV").c_str(), 0755);  // a folder in the file's place
    platform.answerNextFolder(folder);
    w->click(IDC_SAVE_FILE);
    ASSERT_EQ(platform.boxes().size(), 2u);
    EXPECT_EQ(platform.boxes().back().caption, "Error");
    EXPECT_NE(platform.boxes().back().text.find(folder + "/ZQ7SET.CSV could not be written: "),
              std::string::npos);
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"ZQ7SET.CSV"});  // nothing beside it
}

TEST_F(SaveAndOpen, ReplacingKeepsTheEarlierFilesPermissions) {
    downloadSettingsFile();
    const std::string path = folder + "/ZQ7SET.CSV";
    std::ofstream(path) << "older\n";
    ::chmod(path.c_str(), 0640);
    platform.answerNextFolder(folder);
    w->click(IDC_SAVE_FILE);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(fileText(path), kWhole);
}

TEST_F(SaveAndOpen, TheSavedFileHoldsEveryLineNotOnlyTheShownOnes) {
    platform.answerNextBox(platform::IDYES);
    w->click(IDC_LOG_SYSTEM);
    platform.answerNextFolder(folder);
    w->click(IDC_SAVE_FILE);
    const std::string saved = fileText(folder + "/ZQ7-LOG.CSV");
    EXPECT_EQ(saved.rfind("Date,Time,Event,Head,Detail\r\n", 0), 0u);
    EXPECT_GT(std::count(saved.begin(), saved.end(), '\n'), 2500);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'),
              std::count(saved.begin(), saved.end(), '\r'));
}

TEST_F(SaveAndOpen, OpenWritesATemporaryCsvAndHandsItToTheDesktop) {
    platform.setTempFolder(folder);
    downloadSettingsFile();
    w->click(IDC_OPEN_FILE);
    ASSERT_EQ(platform.openedFiles().size(), 1u);
    const std::string opened = platform.openedFiles()[0];
    EXPECT_EQ(fileText(opened), kWhole);
    const auto names = filesIn(folder);
    ASSERT_EQ(names.size(), 2u);  // the reserved empty name, and the CSV file beside it
    EXPECT_EQ(names[0].rfind("ZQ7", 0), 0u);
    EXPECT_EQ(names[0].substr(names[0].size() - 4), ".TMP");
    EXPECT_EQ(names[1], names[0] + ".CSV");
    EXPECT_EQ(opened, folder + "/" + names[1]);
}

TEST_F(SaveAndOpen, AfterADisconnectionThereIsNothingDownloaded) {
    downloadSettingsFile();
    w->click(IDC_CONNECT);
    w->click(IDC_SAVE_FILE);
    EXPECT_EQ(platform.boxes().back().text, "You must download a file first!");
}

// A unit whose card file holds 8-bit text: a degree sign (0xB0) and an e acute (0xE9).
class EightBitFile : public SaveAndOpen {
  protected:
    EightBitFile() {
        units.loader.exports["ReadFileLine"] =
            reinterpret_cast<void*>(+[](std::uint16_t, char* line, int size, std::uint32_t index) {
                const char* lines[] = {
                    "Temp,\xB0"
                    "C",
                    "Caf\xE9,1"};
                if (index >= 2 || size < 16) return 0;
                std::snprintf(line, size, "%s", lines[index]);
                return 1;
            });
    }
};

TEST_F(EightBitFile, TheFileGetsTheUnitsBytesAndOnlyTheTextBoxConvertsThem) {
    downloadSettingsFile();
    EXPECT_EQ(text(IDC_LOG_TEXT), "Temp,\u00B0C\r\nCaf\u00E9,1\r\n");
    platform.answerNextFolder(folder);
    w->click(IDC_SAVE_FILE);
    EXPECT_EQ(fileText(folder + "/ZQ7SET.CSV"),
              "Temp,\xB0"
              "C\r\nCaf\xE9,1\r\n");
    platform.setTempFolder(folder);
    w->click(IDC_OPEN_FILE);
    ASSERT_EQ(platform.openedFiles().size(), 1u);
    EXPECT_EQ(fileText(platform.openedFiles()[0]),
              "Temp,\xB0"
              "C\r\nCaf\xE9,1\r\n");
}

}  // namespace
