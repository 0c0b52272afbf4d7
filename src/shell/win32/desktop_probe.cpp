#include "shell/win32/desktop_probe.h"

#include <audiopolicy.h>
#include <endpointvolume.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <cwctype>

#include "shell/foreground_kind.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

// The endpoint peak meter (IAudioMeterInformation); the MinGW headers only declare its name.
struct PeakMeter : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 count, float* peaks) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* mask) = 0;
};
constexpr GUID kPeakMeterId{0xC02216F6, 0x8C67, 0x4B5B, {0x9D, 0x00, 0xD0, 0x08, 0xE7, 0x3E, 0x00, 0x64}};

BOOL CALLBACK collect_monitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
  auto& found = *reinterpret_cast<std::vector<MonitorInfo>*>(data);
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(handle, &info)) return TRUE;
  UINT dpi_x = 96, dpi_y = 96;
  if (FAILED(GetDpiForMonitor(handle, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y))) dpi_x = 96;
  MonitorInfo m;
  m.x = info.rcMonitor.left;
  m.y = info.rcMonitor.top;
  m.width = info.rcMonitor.right - info.rcMonitor.left;
  m.height = info.rcMonitor.bottom - info.rcMonitor.top;
  m.work_left = info.rcWork.left;
  m.work_top = info.rcWork.top;
  m.work_right = info.rcWork.right;
  m.work_bottom = info.rcWork.bottom;
  m.scale = std::max(float(dpi_x) / 96.0f, 1.0f);
  m.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  found.push_back(m);
  return TRUE;
}

std::uint64_t filetime_count(const FILETIME& t) { return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

bool sound_playing(IMMDeviceEnumerator* audio) {
  IMMDevice* device = nullptr;
  if (FAILED(audio->GetDefaultAudioEndpoint(eRender, eMultimedia, &device))) return false;
  PeakMeter* meter = nullptr;
  float peak = 0;
  bool playing = SUCCEEDED(device->Activate(kPeakMeterId, CLSCTX_ALL, nullptr,
                                            reinterpret_cast<void**>(&meter))) &&
                 SUCCEEDED(meter->GetPeakValue(&peak)) && peak > 0.006f;
  if (meter) meter->Release();
  device->Release();
  return playing;
}

bool active_non_system_session(IAudioSessionEnumerator* sessions) {
  int count = 0;
  if (FAILED(sessions->GetCount(&count))) return false;
  for (int i = 0; i < count; ++i) {
    IAudioSessionControl* session = nullptr;
    if (FAILED(sessions->GetSession(i, &session))) continue;
    AudioSessionState state{};
    bool active = SUCCEEDED(session->GetState(&state)) && state == AudioSessionStateActive;
    bool in_use = false;
    if (active) {
      IAudioSessionControl2* extended = nullptr;
      if (FAILED(session->QueryInterface(__uuidof(IAudioSessionControl2), reinterpret_cast<void**>(&extended)))) {
        in_use = true;
      } else {
        in_use = extended->IsSystemSoundsSession() != S_OK;
        extended->Release();
      }
    }
    session->Release();
    if (in_use) return true;
  }
  return false;
}

bool microphone_in_use(IMMDeviceEnumerator* audio) {
  IMMDevice* device = nullptr;
  if (FAILED(audio->GetDefaultAudioEndpoint(eCapture, eMultimedia, &device))) return false;
  IAudioSessionManager2* manager = nullptr;
  IAudioSessionEnumerator* sessions = nullptr;
  bool in_use = SUCCEEDED(device->Activate(__uuidof(IAudioSessionManager2), CLSCTX_ALL, nullptr,
                                           reinterpret_cast<void**>(&manager))) &&
                SUCCEEDED(manager->GetSessionEnumerator(&sessions)) && active_non_system_session(sessions);
  if (sessions) sessions->Release();
  if (manager) manager->Release();
  device->Release();
  return in_use;
}

std::string foreground_program() {
  HWND window = GetForegroundWindow();
  if (!window) return {};
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return {};
  wchar_t path[512];
  DWORD size = 512;
  BOOL ok = QueryFullProcessImageNameW(process, 0, path, &size);
  CloseHandle(process);
  if (!ok || size == 0) return {};
  std::wstring name(path, size);
  CharLowerBuffW(name.data(), DWORD(name.size()));
  return std::string(image_file_name(from_wide(name)));
}

}  // namespace

std::vector<MonitorInfo> enumerate_monitors() {
  std::vector<MonitorInfo> found;
  EnumDisplayMonitors(nullptr, nullptr, collect_monitor, reinterpret_cast<LPARAM>(&found));
  std::vector<MonitorInfo> monitors = sort_monitors(std::move(found));
  mark_blocked_monitors(monitors, foreground_for_blocking());
  return monitors;
}

std::optional<ForegroundWindow> foreground_for_blocking() {
  HWND window = GetForegroundWindow();
  // With nothing else active, Wine reports the desktop window itself, which spans
  // the screen; like the shell's desktop windows it is never a fullscreen program.
  if (!window || window == GetDesktopWindow() || !IsWindowVisible(window)) return std::nullopt;
  wchar_t class_name[128];
  int length = GetClassNameW(window, class_name, 128);
  ForegroundWindow foreground{std::u16string(reinterpret_cast<const char16_t*>(class_name), std::max(length, 0)),
                              std::nullopt};
  RECT r;
  if (GetWindowRect(window, &r)) foreground.rect = WindowRect{r.left, r.top, r.right, r.bottom};
  return foreground;
}

std::optional<CpuTimes> read_cpu_times() {
  FILETIME idle, kernel, user;
  if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
  return CpuTimes{filetime_count(idle), filetime_count(kernel), filetime_count(user)};
}

SensingObjects SensingObjects::create() {
  SensingObjects objects;
  if (FAILED(CoCreateInstance(CLSID_NetworkListManager, nullptr, CLSCTX_ALL, IID_INetworkListManager,
                              reinterpret_cast<void**>(&objects.network))))
    objects.network = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                              reinterpret_cast<void**>(&objects.audio))))
    objects.audio = nullptr;
  return objects;
}

void SensingObjects::release() {
  if (audio) audio->Release();
  if (network) network->Release();
  audio = nullptr, network = nullptr;
}

void sense_desktop(DesktopSense& sense, const SensingObjects& objects) {
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof(memory);
  if (GlobalMemoryStatusEx(&memory)) sense.memory_load = memory.dwMemoryLoad;
  SYSTEM_POWER_STATUS power{};
  if (GetSystemPowerStatus(&power)) {
    sense.on_mains_power = power.ACLineStatus == 1;
    sense.has_battery = power.BatteryFlag != 255 && power.BatteryFlag != 128;
    sense.battery_percent = std::min<std::uint8_t>(power.BatteryLifePercent, 100);
  }
  if (objects.network) {
    VARIANT_BOOL connected = VARIANT_FALSE;
    if (SUCCEEDED(objects.network->IsConnectedToInternet(&connected))) sense.online = connected != VARIANT_FALSE;
  }
  sense.sound_playing = objects.audio && sound_playing(objects.audio);
  sense.microphone_in_use = objects.audio && microphone_in_use(objects.audio);
  sense.foreground_program = foreground_program();
  sense.foreground_kind = std::string(foreground_kind(sense.foreground_program));
}

}  // namespace burrowly
