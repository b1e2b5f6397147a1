// Numbered sound clips. Without a sound device every operation quietly does nothing.

#include <SDL_mixer.h>

#include <algorithm>

#include "game/media/media_internal.h"

bool InitAudio(Media& media) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(16);
  media.device->audioOpen = true;
  media.device->clips.assign(kPictureSlots, nullptr);
  return true;
}

bool LoadClip(Media& media, int number, const std::string& file) {
  if (!media.device->audioOpen || number < 0 ||
      number >= static_cast<int>(media.device->clips.size())) {
    return false;
  }
  Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
  if (!chunk) return false;
  Mix_Chunk*& slot = media.device->clips[number];
  if (slot) {
    if (slot == media.device->lastChunk) media.device->lastChunk = nullptr;
    Mix_FreeChunk(slot);  // stops every channel still playing it
  }
  slot = chunk;
  return true;
}

void PlayClip(Media& media, int number) {
  if (!media.device->audioOpen || number < 0 ||
      number >= static_cast<int>(media.device->clips.size()))
    return;
  Mix_Chunk* chunk = media.device->clips[number];
  if (!chunk) return;
  // Set at every play: a clip loaded anew comes at full volume.
  Mix_VolumeChunk(chunk, MIX_MAX_VOLUME * media.device->clipVolumes[number] / 100);
  const int channel = Mix_PlayChannel(-1, chunk, 0);
  if (channel < 0) return;
  media.device->lastChannel = channel;
  media.device->lastChunk = chunk;
  int rate = 0;
  int channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) && rate > 0 && channels > 0) {
    const std::uint64_t bytesPerSecond =
        std::uint64_t(rate) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    const std::uint64_t frames = (std::uint64_t(chunk->alen) * 50 + bytesPerSecond - 1) /
                                 std::max<std::uint64_t>(bytesPerSecond, 1);
    media.device->lastClipEndFrame = media.device->framesShown + frames;
  }
}

bool ClipPlaying(const Media& media) {
  // Before any clip was started nothing is playing.
  if (!media.device->audioOpen || media.device->lastChannel < 0 || !media.device->lastChunk)
    return false;
  if (media.headless) return media.device->framesShown < media.device->lastClipEndFrame;
  return Mix_Playing(media.device->lastChannel) &&
         Mix_GetChunk(media.device->lastChannel) == media.device->lastChunk;
}

void SetClipVolume(Media& media, int first, int last, int percent) {
  std::vector<int>& volumes = media.device->clipVolumes;
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(volumes.size()) - 1);
  for (int number = first; number <= last; ++number) volumes[number] = std::clamp(percent, 0, 100);
}

int ClipVolume(const Media& media, int number) {
  const std::vector<int>& volumes = media.device->clipVolumes;
  if (number < 0 || number >= static_cast<int>(volumes.size())) return 0;
  return volumes[number];
}
