#pragma once

// The index of the selected radio button: "Liste", "Courbe", "Map". Stands in
// for the drawing code's own definition until the drawings are wired in.
namespace ombrelune {

enum class DisplayMode : int { List = 0, Curve = 1, Map = 2 };

}  // namespace ombrelune
