#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The media layer: numbered pictures with a quad each, the 1024 x 768 screen, keys by set-1 scan
// code, the mouse and numbered sound clips. Everything the game draws, reads or plays goes
// through these operations.

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kPictureSlots = 10000;  // picture and quad numbers 0..9999
constexpr int kScanCodes = 256;

// Colours are 24-bit integers with red in the lowest byte.
constexpr int MakeColour(int r, int g, int b) {
  return r + 256 * g + 65536 * b;
}

struct MediaDevice;  // the platform's side: window, renderer, pictures, sound (media_internal.h)

struct Media {
  Media();
  ~Media();
  Media(const Media&) = delete;
  Media& operator=(const Media&) = delete;

  bool headless = false;
  bool quitRequested = false;  // the window was closed
  std::unique_ptr<MediaDevice> device;
};

// Who draws a window's frames: the renderer on a graphics card, or the processor (which is faster
// when the renderer itself draws in software). Auto decides by the renderer that opened.
enum class RendererChoice { kAuto, kCpu, kGpu };
// The choice's name as VELMARITH_RENDERER gives it: "auto", "cpu", "gpu".
const char* RendererChoiceName(RendererChoice choice);

// Start-up and shut-down. InitVideo opens SDL's video and event subsystems; OpenScreen creates the
// window (or the off-screen frame when headless) and returns false on failure. The environment
// variable VELMARITH_RENDERER (auto, cpu, gpu) wins over the choice passed in.
bool InitVideo(Media& media, bool headless);
bool InitAudio(Media& media);  // false when no device: the game goes on silently
bool InitFonts(Media& media);
bool OpenScreen(Media& media, int width, int height, int depth,
                RendererChoice choice = RendererChoice::kAuto);
// What draws the screen, in words ("CPU in a window on opengl on llvmpipe ..."), for reports.
std::string ScreenRendererName(const Media& media);
// The renderer VELMARITH_RENDERER names, when it names one (it then wins over every choice).
bool RendererChoiceFromEnvironment(RendererChoice& choice);
void ShutdownMedia(Media& media);

// Screen and frame.
void SetFrameCap(Media& media, int framesPerSecond);
void ClearScreen(Media& media, int colour);
void FlipScreen(Media& media);
void ToggleFullscreen(Media& media);
// Full screen or a window, as Alt+Enter switches it; set before OpenScreen, the window opens so.
void SetFullscreen(Media& media, bool on);
bool IsFullscreen(const Media& media);
void GrabScreen(Media& media, int picture, int x, int y, int w, int h);
bool SavePicture(Media& media, int picture, const std::string& file);
// The colour of one pixel of the current frame (red in the lowest byte), for tests and checks.
int ReadScreenPixel(Media& media, int x, int y);

// Pictures. Files are file-system paths (the caller maps data paths).
bool LoadPicture(Media& media, int number, const std::string& file);
void CreatePicture(Media& media, int number, int width, int height, bool texture = false);
bool PictureExists(const Media& media, int number);
int PictureWidth(const Media& media, int number);
int PictureHeight(const Media& media, int number);
void SetKeyColour(Media& media, int picture, int r, int g, int b);
void ClipPicture(Media& media, int picture, int x, int y, int w, int h);
void DrawOpaque(Media& media, int picture, int x, int y);
void DrawKeyed(Media& media, int picture, int x, int y);
void DrawInto(Media& media, int picture);
void EndDraw(Media& media);
void FillBox(Media& media, int x, int y, int w, int h, int colour);
void FillCircle(Media& media, int cx, int cy, int radius, int colour);
void DrawLine(Media& media, int x1, int y1, int x2, int y2, int colour);
int LoadFont(Media& media, const std::string& faceName, int size);
void DrawFontText(Media& media, int font, int x, int y, const std::string& text, int colour);
int TextWidth(Media& media, int font, const std::string& text);

// Quads.
void CreateQuad(Media& media, int quad, int picture);
bool QuadExists(const Media& media, int quad);
void BeginQuads(Media& media);
void SetQuadSize(Media& media, int quad, float width, float height);
void RotateQuad(Media& media, int quad, float degrees);
void ShapeQuad(Media& media, int quad, float x1, float y1, float x2, float y2, float x3, float y3,
               float x4, float y4);
void DrawQuad(Media& media, int quad, float x, float y, int alpha);
void SetBlend(Media& media, int source, int destination);

// The two blend modes by name: (5, 2) adds the source times its alpha to the screen (glows,
// shots, particles); (12, 12) is normal alpha blending.
struct BlendFactors {
  int source;
  int destination;
};
inline constexpr BlendFactors kBlendAdditive{5, 2};
inline constexpr BlendFactors kBlendNormal{12, 12};
inline void SetBlend(Media& media, BlendFactors blend) {
  SetBlend(media, blend.source, blend.destination);
}
void SetQuadFilter(Media& media, bool on);

// Input, sampled once per frame.
void ReadKeyboard(Media& media);
bool KeyHeld(const Media& media, int scanCode);  // -1: any key
bool KeyReleased(const Media& media, int scanCode);
// Released this frame, and a Shift key was down at some moment while it was: a typist who lets go
// of Shift before the letter, or a press and release between two frames, still means the capital.
bool KeyReleasedShifted(const Media& media, int scanCode);
void ReadMouse(Media& media);
int MouseX(const Media& media);
int MouseY(const Media& media);
bool MouseButton(const Media& media, int button);  // 1 left, 2 right
// Scripted input arrives as if from the devices; mouse positions are screen pixels.
void InjectKey(Media& media, int scanCode, bool down);
void InjectMouseMove(Media& media, int x, int y);
void InjectMouseButton(Media& media, int button, bool down);
// Handles window and device events (also done by ReadKeyboard and FlipScreen).
void PumpEvents(Media& media);

// A picture file's pixels as RGB bytes, row by row, without loading it as a picture (the
// catalogue's marker pictures are scanned, not shown); false when it cannot be read.
bool ReadPictureRgb(const std::string& file, int& width, int& height,
                    std::vector<std::uint8_t>& rgb);

// A modal message box (not when headless).
void ShowErrorBox(const Media& media, const std::string& title, const std::string& text);

// Sound.
bool LoadClip(Media& media, int number, const std::string& file);
void PlayClip(Media& media, int number);
bool ClipPlaying(const Media& media);
// The volume (0..100) clips first..last play at from now on; all start at 100.
void SetClipVolume(Media& media, int first, int last, int percent);
int ClipVolume(const Media& media, int number);

// Time.
void SleepMs(const Media& media, int milliseconds);
std::uint64_t TickMs();
