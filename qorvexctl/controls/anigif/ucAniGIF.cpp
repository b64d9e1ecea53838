// ucAniGIF: loading (file, bytes, design-time picture, remote), properties, colour tables,
// persistence and registration.

#include "qorvexctl/controls/anigif/ucAniGIF.h"

#include <algorithm>
#include <cstdlib>

#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/imaging/gif/GifParser.h"
#include "qorvexctl/imaging/gif/GifSurfaces.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl {
namespace {

// A remote file shorter than this cannot hold a signature and a logical screen descriptor.
constexpr std::size_t kMinRemoteBytes = 15;

int LittleEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8);
}

}  // namespace

ucAniGIF::ucAniGIF(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container), m_remote(desktop.UiThreadPoster()) {
  CanGetFocus(false);
  m_remoteConnection =
      m_remote.Completed.connect([this](const platform::AsyncReadResult& r) { RemoteReadDone(r); });
}

ucAniGIF::~ucAniGIF() { Terminate(); }

void ucAniGIF::OnTerminate() {
  m_remote.Cancel();
  StopTimer();
  Unload();
}

// --- Loading.

bool ucAniGIF::LoadAnimatedGIF_File(const std::string& fileName) {
  const auto text = platform::ReadFileBytes(fileName);
  if (!text) return Load({}, false);
  const std::vector<std::uint8_t> bytes(text->begin(), text->end());
  return Load(bytes, false);
}

bool ucAniGIF::LoadAnimatedGIF_Array(std::span<const std::uint8_t> bytes) {
  return Load(bytes, false);
}

void ucAniGIF::AnimatedGIF(std::span<const std::uint8_t> gifFile) {
  if (RunMode()) return;
  if (Load(gifFile, false)) {
    const FlagGuard resizing(m_resizing);
    m_scaleX = m_scaleY = 1.0f;
    SetBounds(platform::Rect::FromSize(Bounds().left, Bounds().top, m_overall.width,
                                       m_overall.height));
  }
  PropertyChanged("AnimatedGIF");
}

std::shared_ptr<platform::Picture> ucAniGIF::AnimatedGIF() const {
  if (!m_composer || m_composer->Canvas().empty()) return nullptr;
  return std::make_shared<platform::Picture>(gif::GifPictureSurface(*m_composer));
}

// A load stops the animation and starts from nothing; a failed one leaves the control empty
// and keeps the overall size of what was loaded before. A GIF read with the properties keeps
// the stored size and starts once all properties are read (PropertiesLoaded).
bool ucAniGIF::Load(std::span<const std::uint8_t> bytes, bool reading) {
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());  // `bytes` may be m_bytes
  const platform::Size previous = m_overall;
  StopTimer();
  m_state = kStopped;
  Unload();
  if (!m_image.Load(copy)) {
    m_overall = previous;
    Invalidate();
    return false;
  }
  m_bytes = std::move(copy);
  m_overall = {m_image.Width(), m_image.Height()};
  m_loops = m_image.Loops();
  m_current = 1;
  m_composer = std::make_unique<gif::GifComposer>(m_image);
  ApplyScale(!reading && (m_stretch == gfsScaleAlways || m_stretch == gfsShrinkScaleToFit ||
                          m_stretch == gfsActualSize));
  if (!reading) AutoStart();
  Invalidate();
  return true;
}

void ucAniGIF::Unload() {
  m_image.Clear();
  m_composer.reset();
  m_surfaces.Clear();
  m_bytes.clear();
  m_tableCache.reset();
  m_overall = {};
  m_current = 0;
  m_loopsDone = 0;
  m_startupPending = false;
}

void ucAniGIF::LoadAnimatedGIF_Remote(const std::string& remotePath) {
  if (remotePath.empty()) return;
  m_remote.Cancel();
  if (!m_remote.Start(remotePath)) RemoteLoadFailure();
}

void ucAniGIF::RemoteReadDone(const platform::AsyncReadResult& result) {
  const std::span<const std::uint8_t> bytes = result.bytes;
  if (!result.Succeeded() || bytes.size() < kMinRemoteBytes || !gif::HasGifSignature(bytes)) {
    RemoteLoadFailure();
    return;
  }
  bool cancel = false;
  RemoteLoadComplete(ToContainerX(LittleEndian16(bytes, 6)), ToContainerY(LittleEndian16(bytes, 8)),
                     cancel);
  if (cancel) return;
  if (!Load(bytes, false)) RemoteLoadFailure();
}

// --- Properties.

float ucAniGIF::ActualWidth() const { return ToContainerX(m_overall.width); }
float ucAniGIF::ActualHeight() const { return ToContainerY(m_overall.height); }

void ucAniGIF::Stretch(int value) {
  if (value < gfsClip || value > gfsActualSize) return;
  const bool changed = value != m_stretch;
  m_stretch = static_cast<ScaleGIFConstants>(value);
  PropertyChanged("Stretch");
  if (!changed) return;
  ApplyScale(true);
  if (m_state != kRunning) Invalidate();
}

void ucAniGIF::MinFrameDelay(int value) {
  m_minFrameDelay = std::clamp(value, kMinDelayLow, kMinDelayHigh);
  PropertyChanged("Delay");
}

void ucAniGIF::Loops(int value) {
  m_loops = std::abs(value);
  PropertyChanged("Loops");
}

int ucAniGIF::LoopsRemaining() const {
  if (FrameCount() == 0) return -1;
  if (m_loops == 0) return 0;
  return m_loops - m_loopsDone;
}

// The strip is mirrored while the animation holds still, then it goes on.
void ucAniGIF::Mirrored(int value) {
  if (value < gfmNone || value > gfmHorAndVer) return;
  const auto mirror = static_cast<MirrorConstants>(value);
  if (FrameCount() > 0 && mirror != m_mirror) {
    const bool wasRunning = m_state == kRunning;
    Pause();
    m_mirror = mirror;
    Invalidate();
    if (wasRunning) Start();
  }
  m_mirror = mirror;
  PropertyChanged("Mirrored");
}

void ucAniGIF::DelayAnimation(int value) {
  if (value < gfdNone || value > 3) return;
  m_delayMode = static_cast<DelayModeConstants>(value);
  PropertyChanged("DelayAnimation");
}

void ucAniGIF::OffsetX(int value) {
  m_offsetX = value;
  if (!(RunMode() && m_state == kRunning)) Invalidate();
}

void ucAniGIF::OffsetY(int value) {
  m_offsetY = value;
  if (!(RunMode() && m_state == kRunning)) Invalidate();
}

// --- Colour tables.

namespace {

// The table number that `frameIndex` (0: the global table, k: frame k) uses, if any.
std::optional<std::size_t> TableNumber(const gif::GifImage& image, int frameIndex) {
  if (image.FrameCount() == 0 || frameIndex < 0 || frameIndex > image.FrameCount()) {
    return std::nullopt;
  }
  if (frameIndex == 0) return 0;
  return static_cast<std::size_t>(image.Frames()[static_cast<std::size_t>(frameIndex - 1)].colourTable);
}

}  // namespace

bool ucAniGIF::GetPalette(int frameIndex, std::vector<std::int32_t>& paletteEntries) {
  const auto number = TableNumber(m_image, frameIndex);
  if (!number) return false;
  const gif::GifColourTable& table = m_image.ColourTables()[*number];
  if (table.count == 0) return false;
  paletteEntries.assign(table.entries.begin(), table.entries.begin() + table.count);
  return true;
}

bool ucAniGIF::SetPalette(int frameIndex, std::span<const std::int32_t> paletteEntries) {
  const auto number = TableNumber(m_image, frameIndex);
  if (!number) return false;
  gif::GifColourTable& table = m_image.ColourTables()[*number];
  if (table.count == 0) return false;
  const auto count = std::min(paletteEntries.size(), static_cast<std::size_t>(table.count));
  std::transform(paletteEntries.begin(), paletteEntries.begin() + static_cast<std::ptrdiff_t>(count),
                 table.entries.begin(), [](std::int32_t c) { return static_cast<Colour>(c); });
  Recompose();
  return true;
}

bool ucAniGIF::CacheColorTables() {
  if (m_tableCache || FrameCount() == 0) return false;
  m_tableCache = m_image.ColourTables();
  return true;
}

bool ucAniGIF::RestoreColorTables(bool bReleaseCache) {
  if (!m_tableCache) return false;
  m_image.ColourTables() = *m_tableCache;
  if (bReleaseCache) m_tableCache.reset();
  Recompose();
  return true;
}

// --- Persistence.

std::span<const PersistedProperty> ucAniGIF::PersistedProperties() const {
  static const std::vector<PersistedProperty> table = {
      Persisted<ucAniGIF>(
          "GIF", ByteArray{},
          [](ucAniGIF& c, const Variant& v) {
            if (v.Type() == VarType::ByteArray && !v.ToBytes().empty()) c.Load(v.ToBytes(), true);
          },
          [](const ucAniGIF& c) { return ByteArray(c.m_bytes); }),
      Persisted<ucAniGIF>(
          "Delay", std::int16_t{50},
          [](ucAniGIF& c, const Variant& v) { c.MinFrameDelay(v.ToLong()); },
          [](const ucAniGIF& c) { return static_cast<std::int16_t>(c.m_minFrameDelay); }),
      Persisted<ucAniGIF>(
          "Stretch", std::int32_t{gfsScaleAlways},
          [](ucAniGIF& c, const Variant& v) { c.Stretch(v.ToLong()); },
          [](const ucAniGIF& c) { return std::int32_t{c.m_stretch}; }),
      // The file's own loop count is the default, so it is neither read nor written as one.
      Persisted<ucAniGIF>(
          "Loops", Variant{},
          [](ucAniGIF& c, const Variant& v) {
            if (!v.IsEmpty() && c.FrameCount() > 0) c.Loops(v.ToLong());
          },
          [](const ucAniGIF& c) {
            const bool own = c.FrameCount() > 0 && c.m_loops != c.m_image.Loops();
            return own ? Variant(std::int32_t{c.m_loops}) : Variant{};
          }),
      Persisted<ucAniGIF>(
          "DelayLoad", std::int32_t{gfdDelayStartup},
          [](ucAniGIF& c, const Variant& v) {
            const std::int32_t mode = v.ToLong();
            c.DelayAnimation(mode == -1 ? gfdDelayStartup : mode);
          },
          [](const ucAniGIF& c) { return std::int32_t{c.m_delayMode}; }),
      Persisted<ucAniGIF>(
          "Mirror", std::int32_t{gfmNone}, [](ucAniGIF& c, const Variant& v) { c.Mirrored(v.ToLong()); },
          [](const ucAniGIF& c) { return std::int32_t{c.m_mirror}; }),
      Persisted<ucAniGIF>(
          "MousePointer", std::int32_t{0},
          [](ucAniGIF& c, const Variant& v) { c.MousePointer(v.ToLong()); },
          [](const ucAniGIF& c) { return std::int32_t{c.MousePointer()}; }),
      Persisted<ucAniGIF>(
          "Enabled", true, [](ucAniGIF& c, const Variant& v) { c.Enabled(v.ToBoolean()); },
          [](const ucAniGIF& c) { return c.Enabled(); }),
      Persisted<ucAniGIF>(
          "OffsetX", std::int32_t{0}, [](ucAniGIF& c, const Variant& v) { c.OffsetX(v.ToLong()); },
          [](const ucAniGIF& c) { return std::int32_t{c.m_offsetX}; }),
      Persisted<ucAniGIF>(
          "OffsetY", std::int32_t{0}, [](ucAniGIF& c, const Variant& v) { c.OffsetY(v.ToLong()); },
          [](const ucAniGIF& c) { return std::int32_t{c.m_offsetY}; }),
  };
  return table;
}

// A GIF read with the properties starts once every property, DelayLoad among them, is known.
void ucAniGIF::PropertiesLoaded() {
  ClearPropertiesChanged();
  if (FrameCount() > 0 && m_state == kStopped) AutoStart();
}

// --- Registration.

void RegisterAniGif(Registry& registry, platform::Desktop& desktop) {
  registry.Register("ucAniGIF", [&desktop](LibraryState& library) {
    return std::make_unique<ucAniGIF>(library, desktop);
  });
  registry.Members().Add<ucAniGIF>(ucAniGIF::Members());
}

}  // namespace qorvexctl
