#pragma once
// The application's resources: dialog templates, the icon and the string table.

#include <string>

#include "platform/dialog_template.h"
#include "platform/icon_image.h"

namespace res {

const platform::DialogTemplate& aboutBoxTemplate();   // template 100
const platform::DialogTemplate& mainPanelTemplate();  // template 102
const platform::IconImage& applicationIcon();         // icon 128
// A string of the string table; empty when there is none with that ID.
std::string loadString(int id);

}  // namespace res
