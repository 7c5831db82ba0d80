#include "platform/platform.h"
#include "res/resource.h"
#include "res/resources.h"

namespace res {

using namespace platform;

const DialogTemplate& aboutBoxTemplate() {
    static const DialogTemplate t{
        IDD_ABOUTBOX,
        "About ZQ Control Panel",
        170,
        62,
        "MS Shell Dlg",
        8,
        kCaption | kSystemMenu | kModalFrame,
        {
            {IDC_STATIC,
             ControlKind::StaticIcon,
             "",
             {14, 14, 20, 20},
             kNoStyle,
             &applicationIcon()},
            {IDC_STATIC,
             ControlKind::StaticText,
             "ZQ Control Panel, Version 1.0",
             {42, 14, 114, 8},
             kNoPrefix},
            {IDC_STATIC, ControlKind::StaticText, "Copyright (C) 2026", {42, 26, 114, 8}},
            {IDOK, ControlKind::DefaultPushButton, "OK", {113, 41, 50, 14}, kGroup | kTabStop},
        },
    };
    return t;
}

}  // namespace res
