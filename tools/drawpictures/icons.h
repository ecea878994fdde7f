#pragma once

#include "icofile.h"

#include <vector>

namespace pictures {

std::vector<IconImage> drawAppIcon();
std::vector<IconImage> drawStartIcon();
std::vector<IconImage> drawSearchIcon();
std::vector<IconImage> drawHideIcon();
std::vector<IconImage> drawHomeIcon();
std::vector<IconImage> drawBackIcon();
std::vector<IconImage> drawLogoKeyIcon();

} // namespace pictures
