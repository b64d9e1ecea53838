// ucAniGIF as a host meets it: persisted keys, a form file round trip through the registry,
// the design-time picture, calls by name, and remote loads from a local HTTP server.

#include <chrono>

#include "qorvexctl/controls/anigif/AniGifTest.h"
#include "qorvexctl/frame/Registry.h"
#include "testsupport/FormRoundTrip.h"
#include "testsupport/TinyHttpServer.h"

namespace qorvexctl::testing {
namespace {

TEST_F(AniGifTest, PropertiesAreWrittenInTheirOrderWithTheGifBytesFirst) {
  const Bytes file = Animation({10, 10}, 3);
  LoadNow(file);
  gif.MinFrameDelay(80);
  gif.Stretch(gfsStretch);
  gif.Loops(5);
  gif.DelayAnimation(gfdDoNotAnimate);
  gif.Mirrored(gfmVertical);
  gif.MousePointer(2);
  gif.Enabled(false);
  gif.OffsetX(3);
  gif.OffsetY(-4);
  PropertyBag bag;
  gif.WriteProperties(bag);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"GIF", "Delay", "Stretch", "Loops", "DelayLoad",
                                                  "Mirror", "MousePointer", "Enabled", "OffsetX",
                                                  "OffsetY"}));
  EXPECT_EQ(bag.ReadProperty("GIF").ToBytes(), file);
  EXPECT_EQ(bag.ReadProperty("Delay").Type(), VarType::Integer);

  // The file's own loop count is the default, so it is not written.
  gif.Loops(3);
  PropertyBag plain;
  gif.WriteProperties(plain);
  EXPECT_FALSE(plain.Contains("Loops"));
}

TEST_F(AniGifTest, ReadingPropertiesLoadsTheGifFirstAndTakesDelayLoadMinusOneAsStartUp) {
  PropertyBag bag;
  bag.WriteProperty("GIF", ByteArray(Animation({10, 10}, 3)));
  bag.WriteProperty("Loops", std::int32_t{7});
  bag.WriteProperty("DelayLoad", std::int32_t{-1});
  bag.WriteProperty("Stretch", std::int32_t{gfsActualSize});
  gif.ReadProperties(bag);
  EXPECT_EQ(gif.FrameCount(), 2);
  EXPECT_EQ(gif.Loops(), 7);
  EXPECT_EQ(gif.DelayAnimation(), gfdDelayStartup);
  EXPECT_EQ(gif.Bounds(), platform::Rect::FromSize(10, 10, 4, 2));
  desktop.Wait(20);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kRunning);
  ASSERT_EQ(shown.size(), 1u);  // the start-up delay ran

  // Without a GIF the stored loop count is not read.
  ucAniGIF empty(library, desktop, &form);
  PropertyBag loopsOnly;
  loopsOnly.WriteProperty("Loops", std::int32_t{7});
  empty.ReadProperties(loopsOnly);
  EXPECT_EQ(empty.Loops(), 0);
}

TEST_F(AniGifTest, TheDesignTimePictureSizesTheControlAndIsIgnoredInRunMode) {
  const Bytes file = Animation({10, 10});
  gif.AnimatedGIF(file);
  EXPECT_EQ(gif.FrameCount(), 0);  // run mode
  gif.UserMode(false);
  gif.AnimatedGIF(file);
  EXPECT_EQ(gif.FrameCount(), 2);
  EXPECT_EQ(gif.Bounds(), platform::Rect::FromSize(10, 10, 4, 2));
  EXPECT_TRUE(gif.PropertiesChanged());
  desktop.Wait(500);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kStopped);  // design mode does not animate
  const auto picture = gif.AnimatedGIF();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 4);
}

TEST_F(AniGifTest, AFormFileBringsTheControlBackByName) {
  gif.Stretch(gfsStretch);
  LoadNow(Animation({10, 20, 30}, 4));
  gif.MinFrameDelay(120);
  gif.OffsetX(2);
  Registry registry(library);
  RegisterAniGif(registry, desktop);
  platform::Form again(desktop, "Outra");
  const auto report = testsupport::SaveAndLoad(registry, form, again);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->created, 1);
  auto* copy = dynamic_cast<ucAniGIF*>(again.FindControl("aniGIF"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GifBytes(), gif.GifBytes());
  EXPECT_EQ(copy->Bounds(), gif.Bounds());
  EXPECT_EQ(copy->Stretch(), gfsStretch);
  EXPECT_EQ(copy->MinFrameDelay(), 120);
  EXPECT_EQ(copy->Loops(), 4);
  EXPECT_EQ(copy->OffsetX(), 2);
}

TEST_F(AniGifTest, MembersReachTheControlByName) {
  const ObjectRef ref{&gif, &ucAniGIF::Members()};
  std::vector<std::string> events;
  const auto connections = ConnectAllEvents(ref, [&](std::string_view name, std::vector<Variant>& args) {
    events.push_back(std::string(name) + (args.empty() ? "" : " " + args[0].ToString()));
  });
  EXPECT_TRUE(CallByName(ref, "LoadAnimatedGIF_Array", CallType::Method,
                         {Variant(ByteArray(Animation({10, 10})))})
                  .ToBoolean());
  desktop.Wait(20);
  CallByName(ref, "Action", CallType::Let, {Variant(std::int32_t{gfaForward})});
  EXPECT_EQ(CallByName(ref, "CurrentFrame", CallType::Get).ToLong(), 2);
  EXPECT_EQ(CallByName(ref, "FrameCount", CallType::Get).ToLong(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"FrameChanged 1", "FrameChanged 2"}));
}

// Remote loads run on the real clock: the read happens on a worker thread.
struct AniGifRemoteTest : ::testing::Test {
  platform::Desktop desktop{platform::Desktop::Options{.virtualClock = false}};
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Remoto"};
  ucAniGIF gif{library, desktop, &form};
  int completes = 0;
  int failures = 0;
  bool cancel = false;
  float reportedWidth = 0;

  AniGifRemoteTest() {
    gif.InitProperties();
    gif.RemoteLoadComplete.connect([this](float width, float, bool& c) {
      ++completes;
      reportedWidth = width;
      c = cancel;
    });
    gif.RemoteLoadFailure.connect([this] { ++failures; });
  }
  // Runs the message loop until the read reported, or five seconds passed.
  void WaitForAnswer() {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (completes + failures == 0 && std::chrono::steady_clock::now() < limit) desktop.Wait(10);
  }
};

TEST_F(AniGifRemoteTest, ACompleteReadLoadsTheGif) {
  const Bytes file = Animation({10, 10});
  testsupport::TinyHttpServer server(
      testsupport::HttpReply("200 OK", std::string(file.begin(), file.end())));
  gif.LoadAnimatedGIF_Remote(server.Url("/anim.gif"));
  WaitForAnswer();
  EXPECT_EQ(completes, 1);
  EXPECT_EQ(failures, 0);
  EXPECT_FLOAT_EQ(reportedWidth, 4 * 15.0f);
  EXPECT_EQ(gif.FrameCount(), 2);
}

TEST_F(AniGifRemoteTest, ACancelledCompletionLoadsNothing) {
  const Bytes file = Animation({10, 10});
  testsupport::TinyHttpServer server(
      testsupport::HttpReply("200 OK", std::string(file.begin(), file.end())));
  cancel = true;
  gif.LoadAnimatedGIF_Remote(server.Url("/anim.gif"));
  WaitForAnswer();
  EXPECT_EQ(completes, 1);
  EXPECT_EQ(gif.FrameCount(), 0);
}

TEST_F(AniGifRemoteTest, ShortDataAndARefusedConnectionFail) {
  {
    testsupport::TinyHttpServer server(testsupport::HttpReply("200 OK", std::string("GIF89a\x04\0\x02\0", 10)));
    gif.LoadAnimatedGIF_Remote(server.Url("/short.gif"));
    WaitForAnswer();
    EXPECT_EQ(failures, 1);
  }
  gif.LoadAnimatedGIF_Remote("http://127.0.0.1:" +
                             std::to_string(testsupport::ClosedLoopbackPort()) + "/anim.gif");
  failures = 0;
  WaitForAnswer();
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(completes, 0);
  gif.LoadAnimatedGIF_Remote("");  // nothing at all
  desktop.Wait(50);
  EXPECT_EQ(failures, 1);
}

}  // namespace
}  // namespace qorvexctl::testing
