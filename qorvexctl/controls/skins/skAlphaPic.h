#pragma once
// skAlphaPic: a slideshow of pictures the host drew in picture boxes. Each picture stays for
// PictureTime ms, then cross-fades into the next over FadeTime ms in steps of 50 ms: both are
// drawn centred, the outgoing one with constant alpha 255 - a and the incoming one with a,
// where a runs from 0 to 255 with the time since the fade began.
//
//   skAlphaPic& show = ...;
//   show.AddPicture(&pictureBox1, "Entrega até 30 de junho", "https://example.pt/prazos");
//   show.AddPicture(&pictureBox2);
//   show.href.connect([&](const std::string& link) { Open(link); });
//   show.StartFade();                        // or NextFrame() / PreviousFrame()
//
// When a fade completes, the incoming picture becomes current: its caption is printed on its
// picture box (outlined, one line per CR-LF part), its link turns the pointer into the custom
// one, the balloon tip "Destaque" shows the caption, and the picture timer waits PictureTime
// before the next fade. Picture boxes stay the host's; one the host destroyed, or a window
// that is no picture box, is skipped by the drawing.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/UserControl.h"

namespace qorvexctl {

namespace platform {
class PictureBox;
}  // namespace platform

class Registry;
struct MemberTable;

// One picture of the slideshow.
struct skAlphaPicT {
  static constexpr std::int64_t kNoBackColor = -1;
  std::int64_t BackColor{kNoBackColor};  // behind the picture; kNoBackColor: white
  platform::HWND PictureObj{0};          // the host's picture box
  int Width{0};                          // pixels
  int Height{0};
  int WaitMS{0};  // kept for the host; the slideshow's timing is PictureTime
  std::string SubCaption;
  Colour SubCaptionColor{0xFFFFFF};
  platform::Font Font{"Arial", 12, true};
  std::string link;
};

class skAlphaPic final : public UserControl {
 public:
  static constexpr unsigned kFadeStepMs = 50;
  static constexpr int kFocusSteps = 16;
  static constexpr std::uintptr_t kFadeTimerId = 1;
  static constexpr std::uintptr_t kPictureTimerId = 2;
  static constexpr std::uintptr_t kFocusTimerId = 3;

  skAlphaPic(LibraryState& library, platform::Desktop& desktop,
             platform::Window* container = nullptr);
  ~skAlphaPic() override;
  std::string TypeName() const override { return "skAlphaPic"; }
  std::string_view ClassName() const override { return "skAlphaPic"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<const std::string&> href;              // xHRef
  Event<int> Clicked;                          // xindex
  Event<int, int, int, float, float> MouseUp;  // xindex, xButton, Shift, x, y
  Event<int, int, int, float, float> MouseDown;
  Event<int, int, int, float, float> MouseMove;
  Event<> Resize;
  Event<double> FadingIn;  // iPercentage: the fraction 0..1 of the fade done
  Event<double> FadingOut;

  // --- The pictures (skAlphaPic.cpp).
  // Adds the picture in `xPictureBox` and returns a copy of its record. A picture box gets
  // AutoRedraw and pixels as its scale; the control shrinks to it where it is larger.
  skAlphaPicT AddPicture(platform::Window* xPictureBox, std::string Description = {},
                         std::string link = {});
  // Stops both timers and forgets every picture.
  void Clear();
  int PictureCount() const { return static_cast<int>(m_pictures.size()); }
  // Grows or shrinks the list, keeping the records that stay.
  void PictureCount(int count);
  // The record of picture `index` (RuntimeError 9 outside 0..PictureCount-1).
  skAlphaPicT& Picture(int index);

  // --- Timing and order (skAlphaPic.cpp).
  // The fade timer's state; off stops a running fade where it is.
  bool Enabled() const;
  void Enabled(bool value);
  int FadeTime() const { return m_fadeTime; }
  void FadeTime(int ms) { m_fadeTime = ms; }
  int PictureTime() const { return m_pictureTime; }
  void PictureTime(int ms) { m_pictureTime = ms; }
  int CurrentIndex() const { return m_current; }
  void CurrentIndex(int index) { m_current = index; }
  // The picture after (before) the current one in the running direction, wrapping round.
  int NextIndex() const { return Wrap(m_current + m_direction); }
  int PreviousIndex() const { return Wrap(m_current - m_direction); }
  int Direction() const { return m_direction; }
  void StartFade();
  // Forwards (backwards): a fade in progress is completed at once, then a new one starts.
  void NextFrame();
  void PreviousFrame();
  bool Fading() const { return m_fadeStart.has_value(); }
  // One fade step; what the fade timer runs.
  void RefreshFade();
  // A 16-step flash over the current picture (skAlphaPic_paint.cpp).
  void DisplayFocusImage();
  int FocusStep() const { return m_focusStep; }

  clsBalloonTip& myTooltip() { return m_tip; }
  platform::HWND hwnd() const { return hWnd(); }

 protected:
  void OnTerminate() override;
  void OnResize() override { Resize(); }
  void OnMouseDown(int button, int shift, platform::Point p) override;
  void OnMouseUp(int button, int shift, platform::Point p) override;
  void OnMouseMove(int buttons, int shift, platform::Point p) override;
  bool ClicksOnRelease() const override { return false; }

 private:
  int Wrap(int index) const;
  // The alpha of the incoming picture now, 0..255.
  int FadeAlpha() const;
  void CompleteFade();
  void StopTimers();
  void SetFadeTimer(bool on);
  void StartPictureTimer();

  // Drawing (skAlphaPic_paint.cpp).
  platform::PictureBox* PictureBoxOf(const skAlphaPicT& picture) const;
  void DrawCrossFade(int alpha);
  void DrawCentred(int index, int alpha);
  void ShowCaption();
  void PrintCaption(platform::PictureBox& box, const skAlphaPicT& picture);
  void SetUpTip(const skAlphaPicT& picture);
  void FocusTick();

  std::vector<skAlphaPicT> m_pictures;
  int m_direction{1};
  int m_fadeTime{1000};
  int m_pictureTime{7000};
  int m_current{0};
  // When the running fade began on the desktop's clock (ms); nothing while not fading.
  std::optional<std::int64_t> m_fadeStart;
  bool m_fadeTimerOn{false};
  bool m_leftPressed{false};
  int m_focusStep{0};  // 0: no focus flash running
  clsBalloonTip m_tip;
};

// Makes "QORVEXCTL.skAlphaPic" creatable through the registry, with its member table.
void RegisterAlphaPic(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
