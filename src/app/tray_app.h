#pragma once
// The tray application: runs until the user quits and returns the exit status.

namespace burrowly {

int run_tray_app();

}  // namespace burrowly
