#include "game/flight/docking.h"

#include "formats/media_numbers.h"

void AdvanceAnnouncement(DockingState& docking, Media& media) {
  int& step = docking.announcementStep;
  if (step <= 0 || ClipPlaying(media)) return;
  step += 1;
  // Each clip starts once, on the step it belongs to; the next step waits until it has ended.
  if (step == 4) PlayClip(media, kSoundDockingVoice1);
  if (step == 8) PlayClip(media, kSoundDockingVoice2);
  if (step == 12) PlayClip(media, kSoundDockingVoice3);
  if (step == 16) PlayClip(media, kSoundDockingVoice4);
  if (step >= 20) step = 0;
}
