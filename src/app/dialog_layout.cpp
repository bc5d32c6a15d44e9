#include "app/dialog_layout.h"

#include "app/control_ids.h"

namespace ombrelune {

namespace {

using K = ControlKind;
constexpr int None = ids::None;

// Keyboard order is the order of the rows. Later rows lie on top of earlier
// ones, which is why group boxes (listed after their edits) and texts let the
// pointer through to what lies below them.
constexpr ControlDef kLayout[] = {
    {1000, K::Edit, "", 95, 15, 30, 15, true},
    {1001, K::Edit, "", 95, 35, 30, 15, true},
    {1002, K::Edit, "", 95, 70, 30, 15, true},
    {1003, K::Edit, "", 95, 90, 30, 15, true},
    {1009, K::Edit, "", 95, 141, 30, 15, true},
    {1010, K::Edit, "", 95, 161, 30, 15, true},
    {1045, K::ComboBox, "", 15, 196, 135, 95, true},
    {1017, K::Edit, "", 95, 216, 30, 15, true},
    {1019, K::Edit, "", 95, 236, 30, 15, true},
    {1042, K::Edit, "", 95, 256, 30, 15, true},
    {1043, K::Edit, "", 95, 276, 30, 15, true},
    {1027, K::Edit, "", 95, 311, 30, 15, true},
    {1029, K::Edit, "", 95, 331, 30, 15, true},
    {1007, K::Edit, "", 85, 385, 30, 15, true},
    {1008, K::Edit, "", 85, 405, 30, 15, true},
    {1037, K::Edit, "", 120, 405, 30, 15, true},
    {None, K::GroupBox, "      Miroir secondaire", 5, 60, 155, 65, false},
    {1033, K::RadioButton, "Liste", 170, 395, 45, 10, false},
    {1034, K::RadioButton, "Courbe", 220, 395, 45, 10, false},
    {1035, K::RadioButton, "Map", 270, 395, 45, 10, false},
    {1, K::PushButton, "Quitter", 170, 420, 50, 14, false},
    {1006, K::Frame, "", 175, 210, 196, 181, false},
    {1005, K::DefaultButton, "Calculer", 130, 215, 28, 15, false},
    {None, K::Text, "Diamètre", 15, 17, 75, 8, false, 1000},
    {None, K::Text, "Focale", 15, 37, 75, 10, false, 1001},
    {1024, K::Text, "Diamètre", 15, 72, 75, 10, false, 1002},
    {1025, K::Text, "Tirage", 15, 92, 75, 10, false, 1003},
    {None, K::Text, "Diagonale capteur", 15, 388, 65, 10, false, 1007},
    {None, K::GroupBox, "Miroir primaire", 5, 5, 155, 50, false},
    {1048, K::GroupBox, "      Porte oculaire", 5, 131, 155, 50, false},
    {1012, K::Text, "Diamètre interne", 10, 144, 80, 10, false, 1009},
    {1013, K::Text, "Distance début du tube, plan focal", 10, 161, 80, 18, false, 1010},
    {1011, K::CheckBox, "", 12, 130, 10, 15, true},
    {1014, K::PushButton, "?", 135, 80, 15, 15, true},
    {1015, K::PushButton, "?", 135, 151, 15, 15, true},
    {None, K::GroupBox, "      Correcteur de champ", 5, 186, 155, 110, false},
    {1016, K::Text, "Diamètre lentille", 10, 218, 80, 10, false, 1017},
    {1018, K::Text, "Distance lentille, nouveau plan focal", 10, 236, 80, 18, false, 1019},
    {1020, K::CheckBox, "", 12, 183, 10, 13, true},
    {1021, K::PushButton, "?", 135, 246, 15, 15, true},
    {1022, K::PushButton, "?", 225, 420, 15, 15, true},
    {1023, K::CheckBox, "", 12, 57, 10, 15, true},
    {None, K::GroupBox, "      Filtre", 5, 301, 155, 50, false},
    {1026, K::Text, "Diamètre filtre", 10, 314, 80, 10, false, 1027},
    {1028, K::Text, "Distance filtre, plan focal", 10, 333, 80, 10, false, 1029},
    {1030, K::CheckBox, "", 12, 298, 10, 13, true},
    {1031, K::PushButton, "?", 135, 321, 15, 15, true},
    {1032, K::MultiLineEdit, "", 170, 10, 205, 380, true},
    {1036, K::MultiLineEdit, "", 170, 10, 205, 195, true},
    {None, K::Text, "Dimensions capteur", 15, 407, 65, 10, false, 1008},
    {1038, K::Text, "", 320, 395, 50, 10, false},
    {1039, K::Text, "", 320, 405, 50, 10, false},
    {1044, K::Text, "Facteur de grossissement", 10, 259, 80, 10, false, 1042},
    {1046, K::Text, "Allongement sortie", 10, 278, 80, 10, false, 1043},
    {1047, K::Text, "", 320, 415, 50, 10, false},
    {1050, K::CheckBox, "% d'illumination affecté par l'obstruction", 10, 110, 145, 10, true},
    {1051, K::ComboBox, "", 15, 367, 135, 82, true},
    {None, K::GroupBox, "Capteur", 5, 356, 155, 69, false},
};

}  // namespace

std::span<const ControlDef> MainDialogLayout() {
  return kLayout;
}

}  // namespace ombrelune
