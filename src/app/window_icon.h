#pragma once

#include <QIcon>

namespace ombrelune {

// The window's icon: a moon partly in shadow, drawn at the usual icon sizes.
QIcon MakeWindowIcon();

}  // namespace ombrelune
