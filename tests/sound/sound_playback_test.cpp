// One real playback through Wine's DirectSound. Here there is no sound card: CTest points ALSA at
// its null device, which accepts and discards the samples, so device, buffer and Play are real.
#include <gtest/gtest.h>

#include <cstdlib>

#include "util/sound_player.h"

namespace {

TEST(SoundPlayback, ToneResourcePlaysToTheEnd) {
  if (!std::getenv("ALSA_CONFIG_PATH")) GTEST_SKIP() << "run through CTest, which selects ALSA's null device";
  CDirectSound sound;
  HWND owner = GetDesktopWindow();
  ASSERT_TRUE(sound.loadResource(MAKEINTRESOURCEA(300), &owner));
  ASSERT_TRUE(sound.isReady());
  EXPECT_EQ(sound.waveDataSize, 1600u);

  ASSERT_EQ(sound.play(0, false), DS_OK);
  DWORD status = 0;
  ASSERT_EQ(sound.buffer->GetStatus(&status), DS_OK);
  EXPECT_TRUE(status & DSBSTATUS_PLAYING);
  // 0.2 s of sound; a one-shot buffer stops by itself at its end.
  for (int i = 0; i < 40 && (status & DSBSTATUS_PLAYING); ++i) {
    Sleep(50);
    sound.buffer->GetStatus(&status);
  }
  EXPECT_FALSE(status & DSBSTATUS_PLAYING);

  // Looping keeps going until stopped.
  ASSERT_EQ(sound.play(800, true), DS_OK);
  Sleep(400);
  sound.buffer->GetStatus(&status);
  EXPECT_TRUE(status & DSBSTATUS_LOOPING);
  sound.stop();
  sound.buffer->GetStatus(&status);
  EXPECT_FALSE(status & DSBSTATUS_PLAYING);
}

TEST(SoundPlayback, MissingResourceFailsBeforeTheDevice) {
  CDirectSound sound;
  EXPECT_FALSE(sound.loadResource(MAKEINTRESOURCEA(301), nullptr));
  EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
}

}  // namespace
