#include "qorvexctl/frame/StdPNGMembers.h"

#include <string>

#include "qorvexctl/imaging/StdPNG.h"

namespace qorvexctl {
namespace {

// LoadFile's optional arguments: a missing one takes the default the method declares.
bool FlagOr(const Variant& value, bool fallback) {
  return value.IsEmpty() ? fallback : value.ToBoolean();
}
int NumberOr(const Variant& value, int fallback) {
  return value.IsEmpty() ? fallback : value.ToLong();
}

}  // namespace

const MemberTable& StdPNGMembers() {
  static const MemberTable table =
      MembersOf<StdPNG>("StdPNG")
          .Property("Width", [](const StdPNG& p) { return p.Width(); })
          .Property("Height", [](const StdPNG& p) { return p.Height(); })
          .Property("BitCount_PNG", [](const StdPNG& p) { return p.BitCount_PNG(); })
          .Property("BitCount_BMP", [](const StdPNG& p) { return p.BitCount_BMP(); })
          .Property("ColorType", [](const StdPNG& p) { return p.ColorType(); })
          .Property("IsInterlaced", [](const StdPNG& p) { return p.IsInterlaced(); })
          .Property("GammaCorrection", [](const StdPNG& p) { return p.GammaCorrection(); })
          .Property("StdRGB", [](const StdPNG& p) { return p.StdRGB(); })
          .Property("LastModified", [](const StdPNG& p) { return p.LastModified(); })
          .Property("ScanLineWidth", [](const StdPNG& p) { return p.ScanLineWidth(); })
          .Property(
              "TransparentStyle", [](const StdPNG& p) { return p.TransparentStyle(); },
              [](StdPNG& p, std::int32_t v) { p.TransparentStyle(v); })
          .Property(
              "ProgressiveDisplay", [](const StdPNG& p) { return p.ProgressiveDisplay(); },
              [](StdPNG& p, std::uint8_t v) { p.ProgressiveDisplay(v); })
          .Property(
              "HasOwnDC", [](const StdPNG& p) { return p.HasOwnDC(); },
              [](StdPNG& p, bool v) { p.HasOwnDC(v); })
          .Method("Comments", {"sNoCommentPrefix"},
                  [](StdPNG& p, std::string prefix) { return p.Comments(prefix); })
          .Method("LoadFile", {"FileName", "ValidateAllData", "Make32Bit", "AlphaBlendValue"},
                  [](StdPNG& p, std::string file, Variant validate, Variant make32, Variant alpha) {
                    return p.LoadFile(file, FlagOr(validate, true), FlagOr(make32, false),
                                      NumberOr(alpha, 255));
                  })
          .Event("ProgessiveDisplay",
                 {"Width", "Height", "destinationDC", "destinationHwnd", "WinBkgColor", "AlphaPng",
                  "x", "y", "IsInterlaced", "useProgression"},
                 &StdPNG::ProgessiveDisplay)
          .Event("Progress", {"Percent"}, &StdPNG::Progress)
          .Build();
  return table;
}

}  // namespace qorvexctl
