#pragma once

#include "platform/dialog.h"

namespace logs {

inline constexpr int IDD_DOWNLOAD_MSG = 129;
inline constexpr int IDC_DOWNLOAD_TEXT = 1063;

// The "Downloading File" notice, shown while a file is read from the unit's card.
class CDownloadMsg : public platform::Dialog {
  public:
    explicit CDownloadMsg(platform::Platform& platform);
};

const platform::DialogTemplate& downloadMsgTemplate();

}  // namespace logs
