// The Windows entry point of the library: loading it runs no logic of its
// own beyond turning off the thread notifications it does not use.
#ifdef _WIN32
#include <windows.h>

BOOL APIENTRY DllMain(HMODULE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}
#endif
