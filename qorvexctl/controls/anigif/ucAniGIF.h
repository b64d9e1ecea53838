#pragma once
// ucAniGIF: plays an animated GIF. The file is decoded once (GifImage) and composed frame by
// frame (GifComposer); a window timer on the container shows each frame for the larger of its
// own delay and MinFrameDelay, for Loops passes (0: endlessly). The GIF comes from a file, a
// byte array, the design-time picture (kept with the form as the file's bytes) or an address
// read in the background:
//
//   ucAniGIF& gif = ...;                        // on a form, run mode
//   gif.Stretch(gfsActualSize);
//   gif.LoopsEnded.connect([&] { gif.Action(gfaReset); });
//   if (!gif.LoadAnimatedGIF_File("spinner.gif")) { /* empty control, size unchanged */ }
//
// Frames are numbered from 1 here (0: nothing loaded). Each shown frame is drawn at
// (OffsetX, OffsetY) scaled to the control: the mask first (SRCAND), then the colours
// (SRCPAINT), so transparent pixels show the control's background.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/controls/anigif/GifDisplaySurfaces.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/services/AsyncReader.h"

namespace qorvexctl {

class Registry;

enum ScaleGIFConstants : int {
  gfsClip = 0,
  gfsScaleAlways = 1,
  gfsStretch = 2,
  gfsShrinkScaleToFit = 3,
  gfsActualSize = 4
};
enum AnimationActions : int { gfaStop = 0, gfaPlay = 1, gfaPause = 2, gfaForward = 3, gfaReset = 4 };
enum MirrorConstants : int { gfmNone = 0, gfmHorizontal = 1, gfmVertical = 2, gfmHorAndVer = 3 };
enum DelayModeConstants : int { gfdNone = 0, gfdDelayStartup = 1, gfdDoNotAnimate = 2 };

class ucAniGIF : public UserControl {
 public:
  // The animation state; the values match gfaStop, gfaPlay and gfaPause.
  enum State : int { kStopped = 0, kRunning = 1, kPaused = 2 };
  static constexpr int kMinDelayLow = 10;
  static constexpr int kMinDelayHigh = 32700;
  static constexpr int kStartupDelayMs = 20;
  static constexpr unsigned kTimerProbeMs = 60000;

  ucAniGIF(LibraryState& library, platform::Desktop& desktop,
           platform::Window* container = nullptr);
  ~ucAniGIF() override;
  std::string_view ClassName() const override { return "ucAniGIF"; }
  static const MemberTable& Members();

  // Events besides the window's Click and Mouse events.
  Event<int> FrameChanged;  // the frame just drawn
  Event<> LoopsEnded;
  Event<float, float, bool&> RemoteLoadComplete;  // gifWidth, gifHeight, Cancel
  Event<> RemoteLoadFailure;

  // --- Loading. False (and an empty control of unchanged size) when the data is no GIF.
  bool LoadAnimatedGIF_File(const std::string& fileName);
  bool LoadAnimatedGIF_Array(std::span<const std::uint8_t> bytes);
  // Reads the path or address in the background; RemoteLoadComplete or RemoteLoadFailure
  // follows on the UI thread.
  void LoadAnimatedGIF_Remote(const std::string& remotePath);
  // The design-time picture, given as the GIF file's bytes; ignored in run mode. The control
  // takes the GIF's actual size.
  void AnimatedGIF(std::span<const std::uint8_t> gifFile);
  // The current frame as a picture; nullptr when nothing is loaded.
  std::shared_ptr<platform::Picture> AnimatedGIF() const;
  // The bytes of the loaded file (what the form keeps).
  const std::vector<std::uint8_t>& GifBytes() const { return m_bytes; }

  int FrameCount() const { return m_image.FrameCount(); }
  // The overall GIF size in the container's scale units.
  float ActualWidth() const;
  float ActualHeight() const;

  ScaleGIFConstants Stretch() const { return m_stretch; }
  void Stretch(int value);
  int MinFrameDelay() const { return m_minFrameDelay; }
  void MinFrameDelay(int value);
  int Loops() const { return m_loops; }
  void Loops(int value);
  int LoopsRemaining() const;
  MirrorConstants Mirrored() const { return m_mirror; }
  void Mirrored(int value);
  // Let runs an AnimationActions value (run mode only); get answers the state as one.
  int Action() const { return m_state; }
  void Action(int value);
  DelayModeConstants DelayAnimation() const { return m_delayMode; }
  void DelayAnimation(int value);
  int OffsetX() const { return m_offsetX; }
  void OffsetX(int value);
  int OffsetY() const { return m_offsetY; }
  void OffsetY(int value);

  // Colour tables: frame 0 is the global table, frame k (from 1) the table frame k uses.
  // Entries are colour values.
  bool GetPalette(int frameIndex, std::vector<std::int32_t>& paletteEntries);
  bool SetPalette(int frameIndex, std::span<const std::int32_t> paletteEntries);
  bool CacheColorTables();
  bool RestoreColorTables(bool bReleaseCache);

  platform::HWND hwnd() const { return hWnd(); }
  State AnimationState() const { return m_state; }
  int CurrentFrame() const { return m_current; }
  int LoopsDone() const { return m_loopsDone; }
  float ScaleX() const { return m_scaleX; }
  float ScaleY() const { return m_scaleY; }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void PropertiesLoaded() override;
  void OnTerminate() override;
  void OnResize() override;
  void OnPaint(platform::Canvas& canvas) override;
  void Show() override;
  void Hide() override;

 private:
  // Loading (ucAniGIF.cpp).
  bool Load(std::span<const std::uint8_t> bytes, bool reading);
  void Unload();
  void RemoteReadDone(const platform::AsyncReadResult& result);
  bool RunMode() const { return Ambient().UserMode; }
  // The animation (ucAniGIF_timing.cpp).
  void Start();
  void StopTimer();
  void Pause();
  void StartupTick();
  void FrameTick();
  void ScheduleNextFrame();
  void AdvanceFrame();
  void Rewind();  // stopped on frame 1, no loops done
  void AutoStart();
  platform::HWND TimerWindow() const;
  // Size, composition and drawing (ucAniGIF_paint.cpp).
  // Computes the scale for Stretch; with `resize` the control takes the size it gives.
  void ApplyScale(bool resize);
  struct Placement {
    int left, top, width, height;
    bool acrossX, acrossY;
  };
  platform::Rect ComposeCurrent();
  void Recompose();
  void Repaint();
  Placement FramePlacement() const;
  platform::Rect ControlArea(const platform::Rect& area) const;
  void DrawFrame(platform::Canvas& canvas, const platform::Rect& area);
  void DrawOverBackground(platform::Canvas& canvas, const Placement& p, const platform::Rect& area);
  float ToContainerX(int pixels) const;
  float ToContainerY(int pixels) const;

  gif::GifImage m_image;
  std::unique_ptr<gif::GifComposer> m_composer;
  GifDisplaySurfaces m_surfaces;
  std::vector<std::uint8_t> m_bytes;
  std::optional<std::vector<gif::GifColourTable>> m_tableCache;
  platform::AsyncReader m_remote;
  ScopedConnection m_remoteConnection;

  int m_minFrameDelay{50};
  ScaleGIFConstants m_stretch{gfsScaleAlways};
  int m_loops{0};
  int m_loopsDone{0};
  State m_state{kStopped};
  int m_current{0};
  DelayModeConstants m_delayMode{gfdDelayStartup};
  MirrorConstants m_mirror{gfmNone};
  int m_offsetX{0};
  int m_offsetY{0};
  float m_scaleX{1.0f};
  float m_scaleY{1.0f};
  platform::Size m_overall{};      // kept through a failed load
  bool m_startupPending{false};    // the first start after a load waits kStartupDelayMs
  bool m_resizing{false};          // the control is changing its own size
  std::optional<platform::Rect> m_paintArea;  // set: a paint limited to this part
  std::int64_t m_frameDueMs{0};    // when the frame on show was due
  std::int64_t m_nextDueMs{0};     // when the next frame is due
  platform::HWND m_timerWindow{0};  // where the running timer is set
};

// Makes "QORVEXCTL.ucAniGIF" creatable through the registry, on `desktop`.
void RegisterAniGif(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
