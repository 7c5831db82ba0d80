#include <string>

#include "device/library_text.h"
#include "unit/panel_fixture.h"

namespace {

using namespace res;
using testing_support::ConnectedPanelTest;

std::string lines(int n, const char* stem) {
    std::string yaml = "[";
    for (int i = 0; i < n; ++i)
        yaml += std::string(i ? ", " : "") + "\"" + stem + std::to_string(i) + "\"";
    return yaml + "]";
}

std::string joined(int from, int to, const char* stem) {  // lines from..to-1, CR LF after each
    std::string text;
    for (int i = from; i < to; ++i) text += stem + std::to_string(i) + "\r\n";
    return text;
}

const std::string kScenario = "devices: [{files: {ZQ7SET.CSV: " + lines(25, "set ") +
                              ", ZQ7CALLG.CSV: " + lines(26, "cal ") + "}}]";

class Download : public ConnectedPanelTest {
  protected:
    Download() : ConnectedPanelTest(kScenario.c_str()) {}
    void download(int radio, int answer = platform::IDYES) {
        platform.answerNextBox([answer](const platform::test::MessageBoxRecord& box) {
            EXPECT_EQ(box.caption, "WARNING");
            EXPECT_EQ(box.buttons, platform::MessageBoxButtons::YesNo);
            return answer;
        });
        units.clear();
        w->click(radio);
    }
};

TEST_F(Download, ShowsTheFirstLineAndAllOthersOfAShortFile) {
    download(IDC_LOG_SETTINGS);
    EXPECT_EQ(text(IDC_LOG_TEXT), joined(0, 25, "set "));
    EXPECT_EQ(units.count("ReadFileLine"), 26u);
    EXPECT_TRUE(w->isChecked(IDC_LOG_SETTINGS));
    EXPECT_EQ(panel.logFileChoice, 2);
    EXPECT_EQ(platform.modelessWindows().back().templateId, 129);
    EXPECT_EQ(platform.modelessWindows().back().parent, &panel);
    EXPECT_EQ(platform.windowOfTemplate(129), nullptr);  // gone again
}

TEST_F(Download, ShowsTheFirstLineAndTheLastTwentyOfALongerFile) {
    download(IDC_LOG_CALIBRATION);
    EXPECT_EQ(text(IDC_LOG_TEXT), "cal 0\r\n" + joined(6, 26, "cal "));
    EXPECT_EQ(units.count("ReadFileLine"), 22u);
    download(IDC_LOG_SYSTEM);  // thousands of lines: the same 22 calls
    EXPECT_EQ(units.count("ReadFileLine"), 22u);
    EXPECT_EQ(panel.logFileChoice, 0);
    EXPECT_FALSE(w->isChecked(IDC_LOG_CALIBRATION));
}

TEST_F(Download, DecliningTheWarningClearsTheChoiceAndKeepsTheText) {
    download(IDC_LOG_SETTINGS);
    const std::string shown = text(IDC_LOG_TEXT);
    download(IDC_LOG_CALIBRATION, platform::IDNO);
    EXPECT_EQ(text(IDC_LOG_TEXT), shown);
    EXPECT_FALSE(w->isChecked(IDC_LOG_CALIBRATION));
    EXPECT_EQ(panel.logFileChoice, -1);
    EXPECT_EQ(units.count("ZQOpenFile"), 0u);
}

TEST_F(Download, AMissingCardIsReportedWhileTheNoticeIsShown) {
    units.event("card-out 0");
    bool noticeShown = false;
    platform.answerNextBox(platform::IDYES);
    platform.answerNextBox([&](const platform::test::MessageBoxRecord& box) {
        EXPECT_EQ(box.text, "SD Card Not Inserted or File not Found!");
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.owner, &panel);
        const auto* notice = platform.windowOfTemplate(129);
        noticeShown = notice && notice->windowShown() &&
                      notice->text(1063) ==
                          "Downloading File, Please Wait. Depending on size of file, this may "
                          "take a long time.";
        return platform::IDOK;
    });
    w->click(IDC_LOG_SYSTEM);
    EXPECT_TRUE(noticeShown);
    EXPECT_FALSE(w->isChecked(IDC_LOG_SYSTEM));
    EXPECT_EQ(panel.logFileChoice, -1);
    EXPECT_EQ(text(IDC_LOG_TEXT), "");
}

TEST_F(Download, AUnitLostDuringTheWarningIsNotReadFrom) {
    platform.answerNextBox([this](const platform::test::MessageBoxRecord&) {
        units.event("unplug 0");
        platform.advance(100);
        return platform::IDYES;
    });
    units.clear();
    w->click(IDC_LOG_SYSTEM);
    EXPECT_EQ(panel.connected, 0);
    EXPECT_EQ(units.count("ZQOpenFile"), 0u);
    EXPECT_FALSE(w->isChecked(IDC_LOG_SYSTEM));
    EXPECT_EQ(panel.logFileChoice, -1);
    EXPECT_EQ(platform.boxes().size(), 1u);
}

int noLineCount(std::uint16_t, std::uint32_t*) {
    return 0;
}

class NoLineCount : public Download {
  protected:
    NoLineCount() {
        units.loader.exports["GetNumLinesInFile"] = reinterpret_cast<void*>(&noLineCount);
    }
};

TEST_F(NoLineCount, EndsQuietlyWithTheChoiceKept) {
    download(IDC_LOG_SETTINGS);
    EXPECT_EQ(platform.boxes().size(), 1u);  // the warning only
    EXPECT_TRUE(w->isChecked(IDC_LOG_SETTINGS));
    EXPECT_EQ(panel.logFileChoice, 2);
    EXPECT_EQ(units.count("ReadFileLine"), 0u);
}

TEST(LibraryText, StopsAtTheBufferAndWidensEveryByte) {
    EXPECT_EQ(device::fromLibraryText("25\xB0"
                                      "C",
                                      10),
              "25°C");
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(device::fromLibraryText(unterminated, sizeof unterminated), "abcd");
    EXPECT_EQ(device::fromLibraryText("ab\0cd", 5), "ab");
}

}  // namespace
