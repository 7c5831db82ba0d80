#include "res/resource.h"
#include "res/resources.h"

namespace res {

std::string loadString(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return "&About ZQ Control Panel...";
        default:
            return {};
    }
}

}  // namespace res
