#pragma once

namespace pw {

// Sets what Qt WebEngine needs before the QApplication exists: Chromium's sandbox refuses
// to run as root (containers, CI), so the preview runs without it there, and software
// rendering is used on the offscreen platform. Variables the user set are left alone.
void prepareWebEngineEnvironment();

} // namespace pw
