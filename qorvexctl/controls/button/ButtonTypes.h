#pragma once
// The enumerations of the multi-style button: its three modes, eight looks, nine shapes, and
// the picture, caption, hover, gradient and font settings.

namespace qorvexctl {

enum ButtonModeConstants : int {
  efbxp_CommandButton = 0,
  efbxp_CheckBox = 1,
  efbxp_OptionButton = 2,
};

// The look (property ButtonStyle).
enum BackStyleConstants : int {
  efbxp_w95 = 0,
  efbxp_w31 = 1,
  efbxp_XP = 2,
  efbxp_Java = 3,
  efbxp_Flat = 4,
  efbxp_hover = 5,
  efbxp_Netscape = 6,
  efbxp_Macintosh = 7,
};

// The shape (property ButtonShape).
enum ButtonStyleConstants : int {
  efbxp_Rectangular = 0,
  efbxp_LeftDiagonal = 1,
  efbxp_RightDiagonal = 2,
  efbxp_FullDiagonal = 3,
  efbxp_Round3D = 4,
  efbxp_Round3DFixed = 5,
  efbxp_RoundFlat = 6,
  efbxp_CustomFlat = 7,
  efbxp_Custom3DBorder = 8,
};

enum ImagePlacementConstants : int {
  efbxp_LeftEdge = 0,
  efbxp_LeftOfCaption = 1,
  efbxp_RightEdge = 2,
  efbxp_RightOfCaption = 3,
  efbxp_TopCenter = 4,
  efbxp_BottomCenter = 5,
};

enum ImageSizeConstants : int {
  efbxp_16x16 = 0,
  efbxp_24x24 = 1,
  efbxp_32x32 = 2,
  efbxp_Fill_Stretch = 3,
  efbxp_Fill_ScaleUpDown = 4,
};

enum HoverLockConstants : int {
  efbxp_LockTextandBackColor = 0,
  efbxp_LockTextColorOnly = 1,
  efbxp_LockBackColorOnly = 2,
  efbxp_NoLocks = 3,
};

// Where a pressed custom-shaped button moves (property CustomClick).
enum CustomCickConstants : int {
  efbxp_cDefault = 0,
  efbxp_cNorth = 1,
  efbxp_cNorthEast = 2,
  efbxp_cNorthWest = 3,
  efbxp_cSouthEast = 4,
  efbxp_cSouthWest = 5,
  efbxp_cEast = 6,
  efbxp_cSouth = 7,
  efbxp_cWest = 8,
};

enum GradientConstants : int {
  efbxp_NoGradient = 0,
  efbxp_Left2Right = 1,
  efbxp_Right2Left = 2,
  efbxp_Top2Bottom = 3,
  efbxp_Bottom2Top = 4,
};

enum CaptionEffectConstants : int {
  efbxp_Default = 0,
  efbxp_Sunken = 1,
  efbxp_Raised = 2,
};

enum FontStyles : int {
  efbxp_PlainStyle = 0,
  efbxp_Bold = 2,
  efbxp_Italic = 4,
  efbxp_Underline = 8,
  efbxp_BoldItalic = 6,
  efbxp_BoldUnderline = 10,
  efbxp_ItalicUnderline = 12,
  efbxp_BoldItalicUnderline = 14,
};

// Whether a shape takes its outline from the picture.
constexpr bool IsCustomShape(int shape) {
  return shape == efbxp_CustomFlat || shape == efbxp_Custom3DBorder;
}
constexpr bool IsRoundShape(int shape) {
  return shape >= efbxp_Round3D && shape <= efbxp_RoundFlat;
}
constexpr bool IsDiagonalShape(int shape) {
  return shape >= efbxp_LeftDiagonal && shape <= efbxp_FullDiagonal;
}

}  // namespace qorvexctl
