#pragma once

// Identifiers of the main window's controls and commands. They double as the
// objectName of each widget ("1000"), so tests and tools find a control by the
// number everyone refers to it by.
namespace ombrelune::ids {

// Edits of the input panel.
inline constexpr int PrimaryDiameter = 1000;
inline constexpr int PrimaryFocalLength = 1001;
inline constexpr int SecondaryDiameter = 1002;
inline constexpr int SecondaryToFocus = 1003;
inline constexpr int SensorDiagonal = 1007;
inline constexpr int SensorWidth = 1008;
inline constexpr int FocuserDiameter = 1009;
inline constexpr int FocuserToFocus = 1010;
inline constexpr int CorrectorDiameter = 1017;
inline constexpr int CorrectorToFocus = 1019;
inline constexpr int FilterDiameter = 1027;
inline constexpr int FilterToFocus = 1029;
inline constexpr int SensorHeight = 1037;
inline constexpr int CorrectorMagnification = 1042;
inline constexpr int CorrectorShift = 1043;

// Check boxes.
inline constexpr int FocuserEnabled = 1011;
inline constexpr int CorrectorEnabled = 1020;
inline constexpr int SecondaryEnabled = 1023;
inline constexpr int FilterEnabled = 1030;
inline constexpr int ObstructionEnabled = 1050;

// Catalogue drop-downs.
inline constexpr int CorrectorList = 1045;
inline constexpr int SensorList = 1051;

// Result display.
inline constexpr int ListEdit = 1032;
inline constexpr int ShortListEdit = 1036;
inline constexpr int DrawingFrame = 1006;
inline constexpr int ModeList = 1033;
inline constexpr int ModeCurve = 1034;
inline constexpr int ModeMap = 1035;
inline constexpr int ReadoutOffset = 1038;
inline constexpr int ReadoutIllumination = 1039;
inline constexpr int ReadoutMagLoss = 1047;

// Buttons.
inline constexpr int Quit = 1;
inline constexpr int Calculate = 1005;
inline constexpr int HelpSecondary = 1014;
inline constexpr int HelpFocuser = 1015;
inline constexpr int HelpCorrector = 1021;
inline constexpr int HelpText = 1022;
inline constexpr int HelpFilter = 1031;

// Labels and group boxes whose text or state the program changes.
inline constexpr int SecondaryDiameterLabel = 1024;
inline constexpr int SecondaryToFocusLabel = 1025;
inline constexpr int FocuserGroup = 1048;
inline constexpr int FocuserDiameterLabel = 1012;
inline constexpr int FocuserToFocusLabel = 1013;
inline constexpr int CorrectorDiameterLabel = 1016;
inline constexpr int CorrectorToFocusLabel = 1018;
inline constexpr int CorrectorMagnificationLabel = 1044;
inline constexpr int CorrectorShiftLabel = 1046;
inline constexpr int FilterDiameterLabel = 1026;
inline constexpr int FilterToFocusLabel = 1028;

// Menu commands.
inline constexpr int MenuLoadConfig = 32771;
inline constexpr int MenuSaveConfig = 32772;
inline constexpr int MenuLoadAtStart = 32773;
inline constexpr int MenuCheckUpdate = 32774;
inline constexpr int MenuAbout = 16;
inline constexpr int MenuQuit = 57665;

// Controls without an identifier of their own (static texts, most group boxes).
inline constexpr int None = -1;

}  // namespace ombrelune::ids
