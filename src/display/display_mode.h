#pragma once

// The index of the selected radio button: "Liste", "Courbe", "Map". No file
// stores it; every start begins with the list.
namespace ombrelune {

enum class DisplayMode : int { List = 0, Curve = 1, Map = 2 };

}  // namespace ombrelune
