#include "logs/download_msg.h"

namespace logs {

using namespace platform;

const DialogTemplate& downloadMsgTemplate() {
    static const DialogTemplate t{
        IDD_DOWNLOAD_MSG,
        "Downloading File",
        262,
        78,
        "MS Shell Dlg",
        8,
        kCaption | kModalFrame | kTopMost,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {205, 57, 50, 14}, kHidden | kTabStop},
            {IDCANCEL, ControlKind::PushButton, "Cancel", {7, 57, 50, 14}, kHidden | kTabStop},
            {IDC_DOWNLOAD_TEXT,
             ControlKind::StaticText,
             "Downloading File, Please Wait. Depending on size of file this may take a long time.",
             {60, 25, 135, 21},
             kCentred},
        },
    };
    return t;
}

CDownloadMsg::CDownloadMsg(Platform& platform) : Dialog(platform, downloadMsgTemplate()) {}

}  // namespace logs
