// Plays one sound carried as a WAVE resource through one static DirectSound buffer. Every instance
// shares one DirectSound device, created by the first successful load and released with the last
// instance. Used from one thread only.
#pragma once

#include <windows.h>

#include <dsound.h>

#include <cstdint>
#include <string_view>

class CDirectSound {
 public:
  CDirectSound();
  virtual ~CDirectSound();
  CDirectSound(const CDirectSound&) = delete;
  CDirectSound& operator=(const CDirectSound&) = delete;

  // The WAVE resource `name` (a string or MAKEINTRESOURCE id) of the program's own module.
  bool loadResource(LPCSTR name, HWND* owner);
  // `image` is the whole RIFF image; it must stay valid while the instance plays it.
  bool load(std::string_view image, HWND* owner);
  bool isReady() const;
  // Returns the buffer's Play result, or 0 without doing anything when not ready.
  HRESULT play(DWORD position, bool loop);
  void stop();
  void resume();

  const unsigned char* waveData = nullptr;
  std::uint32_t waveDataSize = 0;
  IDirectSoundBuffer* buffer = nullptr;

  static IDirectSound* sharedDevice;
  static std::int32_t instanceCount;

  // How the device is made and how the retries wait; tests put their own in.
  using DeviceFactory = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);
  using Pause = void (*)(DWORD milliseconds);
  static DeviceFactory createDevice;
  static Pause pause;

 private:
  bool createSharedDevice(HWND* owner);
  bool parseWave(std::string_view image, std::string_view& format);
  bool createBuffer(std::string_view format);
  bool fillBuffer();
};
