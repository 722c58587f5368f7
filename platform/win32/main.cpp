// The program's entry point: OLE for the browser component, the main window, the message loop,
// and the shutdown with the code of the quit request.

#include <ole2.h>
#include <windows.h>

#include "app/main_window.h"
#include "form_runtime.h"
#include "ui/fatal_error.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Not checked: without OLE the browser view cannot be built, and OpenWindow reports that.
  OleInitialize(nullptr);
  vx::ReportOutOfMemoryAsFatal();
  vx::win32::FormRuntime runtime(instance);  // also the fatal-error reporter from here on
  if (!runtime.OpenWindow(vx::MainWindowDefinition())) vx::ReportFatalError(vx::kOpenWindowFailed);
  runtime.ShutDown(runtime.RunMessageLoop());
}
