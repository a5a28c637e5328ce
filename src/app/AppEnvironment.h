#pragma once

namespace pw {

// Sets what Qt WebEngine needs before the QApplication exists: Chromium's sandbox refuses
// to run as root (containers, CI), so the preview runs without it there, and software
// rendering is used on the offscreen platform. Variables the user set are left alone.
void prepareWebEngineEnvironment();

// Logging as the properties resource configures it, into the log file "Pagewind for Mac.log" in
// Quirewright/Leafreel of the user's application support folder (made when missing).
void prepareLog();

} // namespace pw
