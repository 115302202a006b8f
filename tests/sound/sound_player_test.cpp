// CDirectSound against a DirectSound implemented by the test: device retries, the buffer it asks
// for, lost buffers, positions and the shared device's lifetime.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/sound/fake_direct_sound.h"
#include "util/sound_player.h"

namespace {

std::string word(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string chunk(const char* id, const std::string& payload) { return std::string(id, 4) + word(payload.size()) + payload; }

std::string riff(const std::string& chunks) { return "RIFF" + word(4 + chunks.size()) + "WAVE" + chunks; }

// 8-bit mono PCM at 8000 Hz: 16 bytes, the usual PCMWAVEFORMAT without cbSize.
std::string pcmFormat() {
  std::string f = word(0x00010001) + word(8000) + word(8000) + word(0x00080001);
  return f;
}

const std::string samples = "\x10\x20\x30\x40\x50";
const std::string goodImage = riff(chunk("fmt ", pcmFormat()) + chunk("data", samples) + std::string(1, '\0'));

class SoundPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    FakeDirectSound::reset();
    CDirectSound::createDevice = FakeDirectSound::create;
    CDirectSound::pause = FakeDirectSound::pause;
  }
  void TearDown() override { EXPECT_EQ(CDirectSound::instanceCount, 0); }

  // The device made last: each time the last instance goes, the next load makes a new one.
  FakeDevice& device() { return *FakeDirectSound::devices.back(); }
  FakeBuffer& buffer() { return *device().buffers.back(); }
};

struct RetryCase {
  const char* name;
  std::vector<HRESULT> results;
  int expectedCalls;
  bool loads;
};

void PrintTo(const RetryCase& c, std::ostream* os) { *os << c.name; }

class DeviceRetry : public SoundPlayerTest, public testing::WithParamInterface<RetryCase> {};

TEST_P(DeviceRetry, RetriesOnlyABusyOrMissingDriverTenTimes) {
  const RetryCase& c = GetParam();
  FakeDirectSound::createResults.assign(c.results.begin(), c.results.end());
  {
    CDirectSound sound;
    HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(sound.load(goodImage, &owner), c.loads);
    EXPECT_EQ(FakeDirectSound::createCalls, c.expectedCalls);
    EXPECT_EQ(FakeDirectSound::pauses, std::vector<DWORD>(c.expectedCalls - 1, 500));
    EXPECT_EQ(CDirectSound::sharedDevice != nullptr, c.loads);
    if (c.loads) {
      EXPECT_EQ(device().cooperativeWindow, owner);
      EXPECT_EQ(device().cooperativeLevel, static_cast<DWORD>(DSSCL_NORMAL));
    }
  }
  EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
}

const HRESULT busy = DSERR_ALLOCATED, missing = DSERR_NODRIVER;

INSTANTIATE_TEST_SUITE_P(
    Results, DeviceRetry,
    testing::Values(RetryCase{"FirstCallSucceeds", {}, 1, true},
                    RetryCase{"BusyTwiceThenReady", {busy, busy, DS_OK}, 3, true},
                    RetryCase{"ReadyOnTheTenthCall", std::vector<HRESULT>(9, missing), 10, true},
                    RetryCase{"NoDriverTenTimes", std::vector<HRESULT>(12, missing), 10, false},
                    RetryCase{"BusyThenNoDriverMixed", {busy, missing, busy, missing, busy, missing, busy, missing,
                                                        busy, missing, DS_OK},
                              10, false},
                    // What Wine answers without a sound device: not worth a retry.
                    RetryCase{"InvalidArgumentEndsAtOnce", {E_INVALIDARG}, 1, false},
                    RetryCase{"OtherErrorAfterARetry", {busy, E_OUTOFMEMORY}, 2, false}),
    [](const testing::TestParamInfo<RetryCase>& info) { return std::string(info.param.name); });

TEST_F(SoundPlayerTest, AsksForAStaticBufferOfTheDataAndFillsIt) {
  CDirectSound sound;
  ASSERT_TRUE(sound.load(goodImage, nullptr));
  ASSERT_EQ(device().descriptions.size(), 1u);
  const DSBUFFERDESC& description = device().descriptions[0];
  EXPECT_EQ(description.dwSize, sizeof(DSBUFFERDESC));
  EXPECT_EQ(description.dwFlags, static_cast<DWORD>(DSBCAPS_STATIC));
  EXPECT_EQ(description.dwBufferBytes, samples.size());
  // The 16-byte chunk reaches DirectSound as a whole WAVEFORMATEX with cbSize 0.
  const std::string format(device().formats[0].begin(), device().formats[0].end());
  EXPECT_EQ(format, pcmFormat() + std::string(2, '\0'));
  EXPECT_EQ(std::string(buffer().memory.begin(), buffer().memory.end()), samples);
  EXPECT_TRUE(sound.isReady());
}

TEST_F(SoundPlayerTest, FormatExtraBytesStayInsideTheChunk) {
  // A non-PCM format whose cbSize claims 100 bytes that the 18-byte chunk does not hold.
  const std::string format = word(0x00010002) + word(8000) + word(8000) + word(0x00080001) + std::string("\x64\x00", 2);
  CDirectSound sound;
  ASSERT_TRUE(sound.load(riff(chunk("fmt ", format) + chunk("data", samples)), nullptr));
  EXPECT_EQ(device().formats[0].size(), sizeof(WAVEFORMATEX));
  EXPECT_EQ(reinterpret_cast<const WAVEFORMATEX*>(device().formats[0].data())->cbSize, 0);
}

TEST_F(SoundPlayerTest, RefusedImagesCreateNoBuffer) {
  for (const std::string& image : {"RIFX" + goodImage.substr(4),
                                   riff(chunk("fmt ", pcmFormat().substr(0, 12)) + chunk("data", samples)),
                                   riff(chunk("data", samples))}) {
    CDirectSound sound;
    EXPECT_FALSE(sound.load(image, nullptr));
    EXPECT_FALSE(sound.isReady());
    EXPECT_TRUE(device().descriptions.empty());
  }
}

TEST_F(SoundPlayerTest, LockCopiesNoMoreThanTheData) {
  // The data sits at the very end of its image; whatever follows must not reach the buffer.
  FakeDirectSound::extraLockBytes = 8;
  const std::string image = riff(chunk("fmt ", pcmFormat()) + chunk("data", "\x11\x22\x33\x44"));
  const std::string followed = image + std::string(8, '\xEE');
  CDirectSound sound;
  ASSERT_TRUE(sound.load(std::string_view(followed.data(), image.size()), nullptr));
  EXPECT_EQ(std::string(buffer().memory.begin(), buffer().memory.end()), "\x11\x22\x33\x44" + std::string(8, '\x55'));
}

TEST_F(SoundPlayerTest, LostBufferIsRestoredOnceWhileFilling) {
  struct Case {
    const char* name;
    std::vector<HRESULT> lockResults;
    bool loads;
    int locks, restores;
  };
  for (const Case& c : {Case{"LostOnce", {DSERR_BUFFERLOST}, true, 2, 1},
                        Case{"LostTwice", {DSERR_BUFFERLOST, DSERR_BUFFERLOST}, false, 2, 1},
                        Case{"OtherLockError", {DSERR_INVALIDCALL}, false, 1, 0}}) {
    SCOPED_TRACE(c.name);
    FakeDirectSound::lockResults.assign(c.lockResults.begin(), c.lockResults.end());
    CDirectSound sound;
    EXPECT_EQ(sound.load(goodImage, nullptr), c.loads);
    FakeBuffer& lastBuffer = *device().buffers.back();
    EXPECT_EQ(lastBuffer.locks, c.locks);
    EXPECT_EQ(lastBuffer.restores, c.restores);
    if (c.loads) {
      EXPECT_EQ(std::string(lastBuffer.memory.begin(), lastBuffer.memory.end()), samples);
    }
  }
}

TEST_F(SoundPlayerTest, FailedUnlockFailsTheLoad) {
  FakeDirectSound::unlockResult = DSERR_INVALIDPARAM;
  CDirectSound sound;
  EXPECT_FALSE(sound.load(goodImage, nullptr));
  EXPECT_EQ(buffer().unlocks, 1);
}

TEST_F(SoundPlayerTest, LoadingAgainReleasesTheEarlierBuffer) {
  CDirectSound sound;
  ASSERT_TRUE(sound.load(goodImage, nullptr));
  ASSERT_TRUE(sound.load(goodImage, nullptr));
  ASSERT_EQ(device().buffers.size(), 2u);
  EXPECT_EQ(device().buffers[0]->references, 0u);
  EXPECT_EQ(device().buffers[1]->references, 1u);
}

TEST_F(SoundPlayerTest, PlayClampsThePositionAndPicksTheFlags) {
  CDirectSound sound;
  ASSERT_TRUE(sound.load(goodImage, nullptr));
  struct Case {
    DWORD position;
    bool loop;
    DWORD expectedPosition, expectedFlags;
  };
  for (const Case& c : {Case{2, false, 2, 0}, Case{5, true, 5, DSBPLAY_LOOPING}, Case{1000, true, 5, DSBPLAY_LOOPING},
                        Case{0xFFFFFFFF, false, 5, 0}}) {
    buffer().positions.clear();
    buffer().playFlags.clear();
    EXPECT_EQ(sound.play(c.position, c.loop), DS_OK);
    EXPECT_EQ(buffer().positions, std::vector<DWORD>{c.expectedPosition}) << c.position;
    EXPECT_EQ(buffer().playFlags, std::vector<DWORD>{c.expectedFlags}) << c.position;
  }
}

TEST_F(SoundPlayerTest, PlayRestoresAndRefillsALostBufferOnce) {
  struct Case {
    const char* name;
    std::vector<HRESULT> playResults;
    HRESULT expected;
    int plays, restores;
  };
  for (const Case& c : {Case{"LostThenPlays", {DSERR_BUFFERLOST, DS_OK}, DS_OK, 2, 1},
                        Case{"LostTwice", {DSERR_BUFFERLOST, DSERR_BUFFERLOST}, DSERR_BUFFERLOST, 2, 1},
                        Case{"OtherError", {DSERR_PRIOLEVELNEEDED}, DSERR_PRIOLEVELNEEDED, 1, 0}}) {
    SCOPED_TRACE(c.name);
    CDirectSound sound;
    ASSERT_TRUE(sound.load(goodImage, nullptr));
    FakeBuffer& played = *device().buffers.back();
    played.lockResults.assign({DSERR_BUFFERLOST});  // the refill finds the buffer lost as well
    played.memory.clear();
    played.playResults.assign(c.playResults.begin(), c.playResults.end());
    EXPECT_EQ(sound.play(0, true), c.expected);
    EXPECT_EQ(played.playFlags, std::vector<DWORD>(c.plays, DSBPLAY_LOOPING));
    EXPECT_EQ(played.restores, c.restores);
    if (c.restores) {
      EXPECT_EQ(std::string(played.memory.begin(), played.memory.end()), samples);
    }
  }
}

TEST_F(SoundPlayerTest, ResumePlaysOnceFromTheCursor) {
  CDirectSound sound;
  ASSERT_TRUE(sound.load(goodImage, nullptr));
  buffer().cursor = 3;
  sound.resume();
  EXPECT_EQ(buffer().positions, std::vector<DWORD>{3});
  EXPECT_EQ(buffer().playFlags, std::vector<DWORD>{0});
  // Without a cursor there is nothing to resume from.
  buffer().cursorResult = DSERR_INVALIDCALL;
  sound.resume();
  EXPECT_EQ(buffer().playFlags.size(), 1u);
  sound.stop();
  EXPECT_EQ(buffer().stops, 1);
}

TEST_F(SoundPlayerTest, NothingHappensUntilLoaded) {
  CDirectSound sound;
  EXPECT_FALSE(sound.isReady());
  EXPECT_EQ(sound.play(0, true), 0);
  sound.stop();
  sound.resume();
  EXPECT_EQ(FakeDirectSound::createCalls, 0);
  // A load that fails after the device exists leaves the instance not ready as well.
  EXPECT_FALSE(sound.load("RIFF", nullptr));
  EXPECT_EQ(sound.play(0, false), 0);
  EXPECT_TRUE(device().buffers.empty());
}

TEST_F(SoundPlayerTest, InstancesShareOneDeviceUntilTheLastGoes) {
  auto* first = new CDirectSound;
  auto* second = new CDirectSound;
  ASSERT_TRUE(first->load(goodImage, nullptr));
  ASSERT_TRUE(second->load(goodImage, nullptr));
  EXPECT_EQ(FakeDirectSound::createCalls, 1);
  EXPECT_EQ(CDirectSound::instanceCount, 2);
  FakeBuffer& firstBuffer = *device().buffers[0];
  delete first;
  EXPECT_EQ(firstBuffer.references, 0u);
  EXPECT_EQ(device().references, 1u);
  EXPECT_EQ(CDirectSound::sharedDevice, &device());
  delete second;
  EXPECT_EQ(device().references, 0u);
  EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
  // The next load makes a new device.
  CDirectSound third;
  ASSERT_TRUE(third.load(goodImage, nullptr));
  EXPECT_EQ(FakeDirectSound::createCalls, 2);
}

}  // namespace
