#include "util/sound_player.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "util/wave.h"

namespace {

constexpr int deviceAttempts = 10;
constexpr DWORD retryPauseMs = 500;

void sleepFor(DWORD milliseconds) { Sleep(milliseconds); }

}  // namespace

IDirectSound* CDirectSound::sharedDevice = nullptr;
std::int32_t CDirectSound::instanceCount = 0;
CDirectSound::DeviceFactory CDirectSound::createDevice = DirectSoundCreate;
CDirectSound::Pause CDirectSound::pause = sleepFor;

CDirectSound::CDirectSound() { ++instanceCount; }

CDirectSound::~CDirectSound() {
  if (buffer) buffer->Release();
  --instanceCount;
  if (instanceCount == 0 && sharedDevice) {
    sharedDevice->Release();
    sharedDevice = nullptr;
  }
}

bool CDirectSound::loadResource(LPCSTR name, HWND* owner) {
  HRSRC info = FindResourceA(nullptr, name, "WAVE");
  if (!info) return false;
  HGLOBAL handle = LoadResource(nullptr, info);
  if (!handle) return false;
  const void* bytes = LockResource(handle);
  if (!bytes) return false;
  // Resources live as long as the module, which is what `load` asks of the image.
  return load({static_cast<const char*>(bytes), static_cast<size_t>(SizeofResource(nullptr, info))}, owner);
}

bool CDirectSound::load(std::string_view image, HWND* owner) {
  if (!sharedDevice && !createSharedDevice(owner)) return false;
  std::string_view format;
  if (!parseWave(image, format)) return false;
  if (!createBuffer(format)) return false;
  return fillBuffer();
}

bool CDirectSound::createSharedDevice(HWND* owner) {
  IDirectSound* device = nullptr;
  HRESULT result = E_FAIL;
  for (int attempt = 0; attempt < deviceAttempts; ++attempt) {
    if (attempt > 0) pause(retryPauseMs);
    device = nullptr;
    result = createDevice(nullptr, &device, nullptr);
    // A busy or missing driver may come back; anything else will not.
    if (result != DSERR_ALLOCATED && result != DSERR_NODRIVER) break;
  }
  if (FAILED(result) || !device) return false;
  sharedDevice = device;
  sharedDevice->SetCooperativeLevel(owner ? *owner : nullptr, DSSCL_NORMAL);
  return true;
}

bool CDirectSound::parseWave(std::string_view image, std::string_view& format) {
  waveData = nullptr;
  waveDataSize = 0;
  WaveChunks chunks;
  const bool found = ::parseWave(image, chunks);
  waveData = reinterpret_cast<const unsigned char*>(chunks.data.data());
  waveDataSize = static_cast<std::uint32_t>(chunks.data.size());
  format = chunks.format;
  return found;
}

bool CDirectSound::createBuffer(std::string_view format) {
  // DirectSound reads a whole WAVEFORMATEX and, for formats other than PCM, cbSize bytes after
  // it. A short "fmt " chunk would let it read past the chunk, so it gets a zero-padded copy whose
  // cbSize never reaches past the bytes the chunk holds. DirectSound keeps its own copy.
  std::vector<unsigned char> copy(std::max(format.size(), sizeof(WAVEFORMATEX)), 0);
  std::memcpy(copy.data(), format.data(), format.size());
  WAVEFORMATEX header;
  std::memcpy(&header, copy.data(), sizeof header);
  const size_t extra = copy.size() - sizeof(WAVEFORMATEX);
  if (header.cbSize > extra) {
    header.cbSize = static_cast<WORD>(extra);
    std::memcpy(copy.data(), &header, sizeof header);
  }

  DSBUFFERDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  description.dwFlags = DSBCAPS_STATIC;
  description.dwBufferBytes = waveDataSize;
  description.lpwfxFormat = reinterpret_cast<WAVEFORMATEX*>(copy.data());

  // A second load replaces the buffer of the first instead of leaking it.
  if (buffer) {
    buffer->Release();
    buffer = nullptr;
  }
  IDirectSoundBuffer* created = nullptr;
  if (FAILED(sharedDevice->CreateSoundBuffer(&description, &created, nullptr)) || !created) {
    buffer = nullptr;
    return false;
  }
  buffer = created;
  return true;
}

bool CDirectSound::fillBuffer() {
  void* target = nullptr;
  DWORD targetBytes = 0;
  HRESULT result = buffer->Lock(0, 0, &target, &targetBytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
  if (result == DSERR_BUFFERLOST) {
    buffer->Restore();
    result = buffer->Lock(0, 0, &target, &targetBytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
  }
  if (FAILED(result) || !target) return false;
  // The lock should give exactly the data's size; never copy more than the data holds.
  const DWORD copied = std::min<DWORD>(targetBytes, waveDataSize);
  if (copied > 0) std::memcpy(target, waveData, copied);
  return SUCCEEDED(buffer->Unlock(target, targetBytes, nullptr, 0));
}

bool CDirectSound::isReady() const { return sharedDevice && buffer && waveData && waveDataSize != 0; }

HRESULT CDirectSound::play(DWORD position, bool loop) {
  if (!isReady()) return 0;
  position = std::min<DWORD>(position, waveDataSize);
  const DWORD flags = loop ? DSBPLAY_LOOPING : 0;
  buffer->SetCurrentPosition(position);
  const HRESULT result = buffer->Play(0, 0, flags);
  if (result != DSERR_BUFFERLOST) return result;
  fillBuffer();
  return buffer->Play(0, 0, flags);
}

void CDirectSound::stop() {
  if (isReady()) buffer->Stop();
}

void CDirectSound::resume() {
  if (!isReady()) return;
  DWORD playCursor = 0, writeCursor = 0;
  // Without a cursor there is no place to resume from.
  if (FAILED(buffer->GetCurrentPosition(&playCursor, &writeCursor))) return;
  play(playCursor, false);
}
