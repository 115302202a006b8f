#include "tests/sound/fake_direct_sound.h"

#include <cstring>

namespace {
HRESULT next(std::deque<HRESULT>& results) {
  if (results.empty()) return DS_OK;
  const HRESULT result = results.front();
  results.pop_front();
  return result;
}
}  // namespace

FakeBuffer::FakeBuffer(const DSBUFFERDESC& description) : bufferBytes(description.dwBufferBytes) {}

HRESULT FakeBuffer::QueryInterface(REFIID, void** object) {
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeBuffer::GetCurrentPosition(LPDWORD play, LPDWORD write) {
  if (FAILED(cursorResult)) return cursorResult;
  if (play) *play = cursor;
  if (write) *write = cursor;
  return DS_OK;
}

HRESULT FakeBuffer::Lock(DWORD, DWORD, LPVOID* first, LPDWORD firstBytes, LPVOID* second, LPDWORD secondBytes,
                         DWORD flags) {
  ++locks;
  const HRESULT result = next(lockResults);
  if (FAILED(result)) return result;
  if (!(flags & DSBLOCK_ENTIREBUFFER)) return DSERR_INVALIDPARAM;
  // Filled with a mark, so the test can see which bytes were written.
  memory.assign(bufferBytes + extraLockBytes, 0x55);
  *first = memory.data();
  *firstBytes = static_cast<DWORD>(memory.size());
  if (second) *second = nullptr;
  if (secondBytes) *secondBytes = 0;
  return DS_OK;
}

HRESULT FakeBuffer::Play(DWORD, DWORD, DWORD flags) {
  playFlags.push_back(flags);
  return next(playResults);
}

HRESULT FakeBuffer::SetCurrentPosition(DWORD position) {
  positions.push_back(position);
  return DS_OK;
}

HRESULT FakeBuffer::Stop() {
  ++stops;
  return DS_OK;
}

HRESULT FakeBuffer::Unlock(LPVOID, DWORD, LPVOID, DWORD) {
  ++unlocks;
  return unlockResult;
}

HRESULT FakeBuffer::Restore() {
  ++restores;
  return DS_OK;
}

HRESULT FakeDevice::QueryInterface(REFIID, void** object) {
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeDevice::CreateSoundBuffer(LPCDSBUFFERDESC description, LPLPDIRECTSOUNDBUFFER buffer, IUnknown*) {
  descriptions.push_back(*description);
  const auto* format = reinterpret_cast<const unsigned char*>(description->lpwfxFormat);
  // DirectSound reads a WAVEFORMATEX and cbSize bytes after it; so does the fake.
  const size_t size = sizeof(WAVEFORMATEX) + description->lpwfxFormat->cbSize;
  formats.emplace_back(format, format + size);
  if (FAILED(createResult)) {
    *buffer = nullptr;
    return createResult;
  }
  buffers.push_back(std::make_unique<FakeBuffer>(*description));
  buffers.back()->extraLockBytes = FakeDirectSound::extraLockBytes;
  buffers.back()->lockResults = FakeDirectSound::lockResults;
  buffers.back()->unlockResult = FakeDirectSound::unlockResult;
  *buffer = buffers.back().get();
  return DS_OK;
}

HRESULT FakeDevice::SetCooperativeLevel(HWND window, DWORD level) {
  cooperativeWindow = window;
  cooperativeLevel = level;
  return DS_OK;
}

std::deque<HRESULT> FakeDirectSound::createResults;
int FakeDirectSound::createCalls = 0;
std::vector<DWORD> FakeDirectSound::pauses;
std::vector<std::unique_ptr<FakeDevice>> FakeDirectSound::devices;
DWORD FakeDirectSound::extraLockBytes = 0;
std::deque<HRESULT> FakeDirectSound::lockResults;
HRESULT FakeDirectSound::unlockResult = DS_OK;

void FakeDirectSound::reset() {
  createResults.clear();
  createCalls = 0;
  pauses.clear();
  devices.clear();
  extraLockBytes = 0;
  lockResults.clear();
  unlockResult = DS_OK;
}

HRESULT WINAPI FakeDirectSound::create(LPCGUID, LPDIRECTSOUND* device, LPUNKNOWN) {
  ++createCalls;
  const HRESULT result = next(createResults);
  if (FAILED(result)) {
    *device = nullptr;
    return result;
  }
  devices.push_back(std::make_unique<FakeDevice>());
  *device = devices.back().get();
  return result;
}

void FakeDirectSound::pause(DWORD milliseconds) { pauses.push_back(milliseconds); }
