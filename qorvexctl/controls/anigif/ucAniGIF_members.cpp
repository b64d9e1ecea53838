// The public surface of the animated GIF control, by name.

#include <string>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& ucAniGIF::Members() {
  using M = ucAniGIF;
  static const MemberTable table =
      MembersOf<M>("ucAniGIF")
          .Inherit<platform::Control>(ControlMembers())
          .Property("FrameCount", [](const M& c) { return c.FrameCount(); }, [](M&, int) {})
          .Property("ActualWidth", [](const M& c) { return c.ActualWidth(); })
          .Property("ActualHeight", [](const M& c) { return c.ActualHeight(); })
          .Property("Stretch", [](const M& c) { return int{c.Stretch()}; },
                    [](M& c, int v) { c.Stretch(v); })
          .Property("MinFrameDelay", [](const M& c) { return c.MinFrameDelay(); },
                    [](M& c, int v) { c.MinFrameDelay(v); })
          .Property("Loops", [](const M& c) { return c.Loops(); }, [](M& c, int v) { c.Loops(v); })
          .Property("LoopsRemaining", [](const M& c) { return c.LoopsRemaining(); })
          .Property("Mirrored", [](const M& c) { return int{c.Mirrored()}; },
                    [](M& c, int v) { c.Mirrored(v); })
          .Property("Action", [](const M& c) { return c.Action(); }, [](M& c, int v) { c.Action(v); })
          .Property("DelayAnimation", [](const M& c) { return int{c.DelayAnimation()}; },
                    [](M& c, int v) { c.DelayAnimation(v); })
          .Property("OffsetX", [](const M& c) { return c.OffsetX(); }, [](M& c, int v) { c.OffsetX(v); })
          .Property("OffsetY", [](const M& c) { return c.OffsetY(); }, [](M& c, int v) { c.OffsetY(v); })
          .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Property("CurrentFrame", [](const M& c) { return c.CurrentFrame(); })
          .Method("LoadAnimatedGIF_File", {"FileName"},
                  [](M& c, std::string file) { return c.LoadAnimatedGIF_File(file); })
          .Method("LoadAnimatedGIF_Array", {"Bytes"},
                  [](M& c, ByteArray bytes) { return c.LoadAnimatedGIF_Array(bytes); })
          .Method("LoadAnimatedGIF_Remote", {"RemotePath"},
                  [](M& c, std::string path) { c.LoadAnimatedGIF_Remote(path); })
          .Method("CacheColorTables", {}, [](M& c) { return c.CacheColorTables(); })
          .Method("RestoreColorTables", {"bReleaseCache"},
                  [](M& c, bool release) { return c.RestoreColorTables(release); })
          .Event("FrameChanged", {"FrameIndex"}, &M::FrameChanged)
          .Event("LoopsEnded", {}, &M::LoopsEnded)
          .Event("RemoteLoadComplete", {"gifWidth", "gifHeight", "Cancel"}, &M::RemoteLoadComplete)
          .Event("RemoteLoadFailure", {}, &M::RemoteLoadFailure)
          .Build();
  return table;
}

}  // namespace qorvexctl
