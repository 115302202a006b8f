// A DirectSound device and buffer implemented by the test: the real COM interfaces, with scripted
// results and a record of every call, for paths a sound card cannot be asked to take.
#pragma once

#include <windows.h>

#include <dsound.h>

#include <deque>
#include <memory>
#include <vector>

class FakeBuffer : public IDirectSoundBuffer {
 public:
  explicit FakeBuffer(const DSBUFFERDESC& description);

  // Scripted results, used front first; when empty, calls succeed.
  std::deque<HRESULT> lockResults, playResults;
  DWORD cursor = 0;                // what GetCurrentPosition reports
  HRESULT cursorResult = DS_OK;
  DWORD extraLockBytes = 0;        // a lock larger than the buffer, as a faulty driver might give

  // What happened.
  ULONG references = 1;
  int locks = 0, restores = 0, stops = 0, unlocks = 0;
  HRESULT unlockResult = DS_OK;
  std::vector<DWORD> positions, playFlags;
  std::vector<unsigned char> memory;  // the buffer's bytes, extraLockBytes included
  DWORD bufferBytes;

  STDMETHOD_(HRESULT, QueryInterface)(REFIID, void** object) override;
  STDMETHOD_(ULONG, AddRef)() override { return ++references; }
  STDMETHOD_(ULONG, Release)() override { return --references; }
  STDMETHOD(GetCaps)(LPDSBCAPS) override { return E_NOTIMPL; }
  STDMETHOD(GetCurrentPosition)(LPDWORD play, LPDWORD write) override;
  STDMETHOD(GetFormat)(LPWAVEFORMATEX, DWORD, LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetVolume)(LPLONG) override { return E_NOTIMPL; }
  STDMETHOD(GetPan)(LPLONG) override { return E_NOTIMPL; }
  STDMETHOD(GetFrequency)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetStatus)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return DSERR_ALREADYINITIALIZED; }
  STDMETHOD(Lock)(DWORD, DWORD, LPVOID* first, LPDWORD firstBytes, LPVOID* second, LPDWORD secondBytes,
                  DWORD flags) override;
  STDMETHOD(Play)(DWORD, DWORD, DWORD flags) override;
  STDMETHOD(SetCurrentPosition)(DWORD position) override;
  STDMETHOD(SetFormat)(LPCWAVEFORMATEX) override { return E_NOTIMPL; }
  STDMETHOD(SetVolume)(LONG) override { return E_NOTIMPL; }
  STDMETHOD(SetPan)(LONG) override { return E_NOTIMPL; }
  STDMETHOD(SetFrequency)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Stop)() override;
  STDMETHOD(Unlock)(LPVOID, DWORD, LPVOID, DWORD) override;
  STDMETHOD(Restore)() override;
};

class FakeDevice : public IDirectSound {
 public:
  HRESULT createResult = DS_OK;

  ULONG references = 1;
  HWND cooperativeWindow = nullptr;
  DWORD cooperativeLevel = 0;
  std::vector<DSBUFFERDESC> descriptions;
  std::vector<std::vector<unsigned char>> formats;  // the bytes of each description's format
  std::vector<std::unique_ptr<FakeBuffer>> buffers;

  STDMETHOD_(HRESULT, QueryInterface)(REFIID, void** object) override;
  STDMETHOD_(ULONG, AddRef)() override { return ++references; }
  STDMETHOD_(ULONG, Release)() override { return --references; }
  STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC description, LPLPDIRECTSOUNDBUFFER buffer, IUnknown*) override;
  STDMETHOD(GetCaps)(LPDSCAPS) override { return E_NOTIMPL; }
  STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER) override { return E_NOTIMPL; }
  STDMETHOD(SetCooperativeLevel)(HWND window, DWORD level) override;
  STDMETHOD(Compact)() override { return DS_OK; }
  STDMETHOD(GetSpeakerConfig)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(SetSpeakerConfig)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(LPCGUID) override { return DSERR_ALREADYINITIALIZED; }
};

// The factory and pause CDirectSound is given in tests: results come from a script, every device
// made is kept for inspection, every pause recorded.
struct FakeDirectSound {
  static std::deque<HRESULT> createResults;  // when empty, creation succeeds
  static int createCalls;
  static std::vector<DWORD> pauses;
  static std::vector<std::unique_ptr<FakeDevice>> devices;
  // Handed to every buffer made from now on.
  static DWORD extraLockBytes;
  static std::deque<HRESULT> lockResults;
  static HRESULT unlockResult;

  static void reset();
  static HRESULT WINAPI create(LPCGUID, LPDIRECTSOUND* device, LPUNKNOWN);
  static void pause(DWORD milliseconds);
};
